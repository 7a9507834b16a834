#include "CList.h"

#include "CListConstantes.h"
#include "Numbers.h"
#include "ResourceImages.h"

#include <algorithm>

CList::CList(QObject* parent) : QObject(parent) {
  connect(&m_CScroll, &CScroll::Scroll, this, &CList::m_CScroll_Scroll);
  connect(&m_CScroll, &CScroll::EndScroll, this, &CList::m_CScroll_EndScroll);
}

CList::~CList() = default;

void CList::Inicializa(PictureBox& fundo, std::shared_ptr<IMiniVocabraDB> Pesquisa, QLabel* tip, std::int16_t) {
  m_FundoLista = &fundo;
  pesquisa_ = std::move(Pesquisa);
  tip_ = tip;
  linhasPagina_ = lista::kLinhasIniciais;
  ultimo_ = -1;
  fundo.setScale(VbControl::Scale::Pixels);
  // A click on the rows or the scroll bar (whose images take no focus of
  // their own) gives the list the focus: the window's keys then go by the
  // list, and a letter typed starts a new search.
  fundo.setFocusPolicy(Qt::ClickFocus);
  mao_ = res::LoadResCursor(101);  // shown only over an empty list's hint
  fundo.setMouseIcon(nullptr);
  bmpBarra_ = res::LoadResPicture(101);
  bmpSetaCima_ = res::LoadResPicture(102);
  bmpSetaBaixo_ = res::LoadResPicture(103);
  CriaImagens();
  m_CScroll.Inicializa(imgScroll_[0], imgScroll_[1], imgScroll_[2], imgScroll_[3]);
  m_CScroll.AcompanhaQuadros(fundo);  // a held arrow steps as fast as the rows are shown
  m_CScroll.setTamPagina(lista::kLinhasIniciais);
  selecionado_ = -1;
  CriaBufer();
  Repaint();
  alturaLinha_ = bufer_.TextHeight(QStringLiteral("W"));

  connect(&fundo, &PictureBox::Resize, this, &CList::Redimensiona);
  connect(&fundo, &VbControl::MouseDown, this, &CList::m_FundoLista_MouseDown);
  connect(&fundo, &VbControl::MouseMove, this, &CList::m_FundoLista_MouseMove);
  connect(&fundo, &VbControl::Click, this, &CList::m_FundoLista_Click);
  connect(&fundo, &VbControl::DblClick, this, &CList::m_FundoLista_DblClick);
  connect(&fundo, &PictureBox::MouseWheel, this, &CList::m_FundoLista_MouseWheel);
}

// The scroll images: thumb, up arrow, down arrow and track, at the surface's
// right edge. The down arrow and the track follow the surface's height from
// the start, so the bar is whole before the first resize.
void CList::CriaImagens() {
  const QString sufixo = m_FundoLista->objectName();
  for (int i = 0; i < 4; ++i) {
    imgScroll_[i] = new ImageControl(m_FundoLista);  // owned by the surface
    imgScroll_[i]->setObjectName(QStringLiteral("imgScroll%1").arg(i + 1) + sufixo);
  }
  const int largura = m_FundoLista->width();
  const int altura = m_FundoLista->height();
  imgScroll_[0]->setGeometry(largura - 21, 30, 21, 25);
  imgScroll_[1]->setGeometry(largura - 21, 0, 21, 16);
  imgScroll_[2]->setGeometry(largura - 21, altura - 16, 21, 16);
  imgScroll_[3]->setGeometry(largura - 21, 0, 21, altura);
  for (ImageControl* img : imgScroll_) img->show();
}

void CList::CriaBufer() {
  bufer_.resize(m_FundoLista->width(), m_FundoLista->height());
  bufer_.setFontName(QStringLiteral("Verdana"));
  bufer_.ForeColor = lista::kCorTexto;
  bufer_.BackColor = lista::kCorFundo;
  bufer_.setFontSize(lista::kFonteNormal);
  tamFonte_ = lista::kFonteNormal;
}

ImageControl* CList::imagemScroll(int n) const { return n >= 1 && n <= 4 ? imgScroll_[n - 1].data() : nullptr; }

void CList::DefineJanela(const IWindowScreen* janela, QWidget* picPesquisando) {
  janela_ = janela;
  picPesquisando_ = picPesquisando;
}

void CList::Finaliza() { carregando_ = false; }

std::int32_t CList::Limita(std::int32_t indice) const {
  if (indice > ultimo_) indice = ultimo_;
  return std::max(indice, 0);
}

QString CList::ObtemPalavraPos(std::int32_t pos) const {
  if (ultimo_ < 0) return QString();
  const std::int64_t vaga = std::int64_t{pos} - Base();
  if (vaga < 0 || vaga > ultimo_) return QString();
  return palavras_[static_cast<std::size_t>(vaga)];
}

std::int32_t CList::ObtemPoslista() const {
  if (selecionado_ < 0 || selecionado_ > ultimo_) return -1;
  return ids_[static_cast<std::size_t>(selecionado_)];
}

void CList::SelecionaItem(std::int32_t idItem) {
  if (ultimo_ < 0) return;
  selecionado_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{idItem} - Base(), 0, ultimo_));
  const double metade = deslocVisivel_ / 2.0;
  std::int32_t topo = 0;
  if (selecionado_ > ultimo_ - metade) {
    topo = ultimo_ - deslocVisivel_;
  } else if (selecionado_ >= metade) {
    topo = num::roundEven(selecionado_ - metade);
  }
  m_CScroll.setValor(topo);
  Repaint();
}

bool CList::SelecionaItemID(std::int32_t idItem) {
  for (std::int32_t i = 0; i <= ultimo_; ++i) {
    if (ids_[static_cast<std::size_t>(i)] != idItem) continue;
    selecionado_ = i;
    Repaint();
    return true;
  }
  return false;
}

void CList::TrataTecla(std::int16_t KeyCode) {
  std::int32_t novo = selecionado_;
  switch (KeyCode) {
    case 40: novo += 1; break;
    case 38: novo -= 1; break;
    case 34: novo += deslocVisivel_; break;
    case 33: novo -= deslocVisivel_; break;
    case 13: Executa(); return;
    default: return;
  }
  selecionado_ = Limita(novo);
  std::int32_t topo = Topo();
  if (selecionado_ < topo) topo = selecionado_;
  if (selecionado_ > topo + deslocVisivel_) topo = std::max(selecionado_ - deslocVisivel_, 0);
  m_CScroll.setValor(topo);
  Repaint();
}

QString CList::getTextPos(std::int16_t pos) const {
  QString texto;
  for (std::int32_t i = pos; i <= pos + 16; ++i) {
    if (i >= 0 && i <= ultimo_) texto += palavras_[static_cast<std::size_t>(i)] + QStringLiteral("<br>");
  }
  return texto;
}

void CList::DesmarcaLista() {
  marcado_ = selecionado_;
  Repaint();
}

void CList::Executa() {
  if (selecionado_ < 0 || selecionado_ > ultimo_) return;
  const auto i = static_cast<std::size_t>(selecionado_);
  emit SelecionaItem(palavras_[i], ids_[i]);
}

void CList::AlteraFonte(std::int16_t tamFonte) {
  if (!m_FundoLista) return;
  if (tamFonte == 0) tamFonte_ = lista::kFonteNormal;
  if (tamFonte == 1) tamFonte_ = lista::kFonteExpandida;
  bufer_.setFontSize(tamFonte_);
  alturaLinha_ = bufer_.TextHeight(QStringLiteral("W"));
  Redimensiona();
}

void CList::PalavraBusca(const QString& palavra, const QString& Iniciada, const QString& Terminada) {
  palavraBusca_ = palavra;
  iniciada_ = Iniciada;
  terminada_ = Terminada;
}

void CList::getPalavraBusca(QString& palavra, QString& Iniciada, QString& Terminada) const {
  palavra = palavraBusca_;
  Iniciada = iniciada_;
  Terminada = terminada_;
}
