// The search panel's controls beyond the single field, and its three
// shapes: simple, advanced, and advanced with the filter list; the single
// field or the pair of fields.
#include "frmMain.h"

#include "AbasLista.h"
#include "ResourceStrings.h"

#include <QPainter>

namespace {

constexpr int kTopoAvancado = 180;
constexpr int kTopoFiltros = 285;
constexpr int kTopoFechado = 100;
const QColor kCorSeparador(221, 221, 216);
const QColor kCorPainel(223, 230, 242);

template <typename T>
T* cria(QWidget* pai, int left, int top, int width, int height) {
  auto* controle = new T(pai);  // owned by its parent window
  controle->setGeometry(left, top, width, height);
  return controle;
}

QLabel* rotulo(QWidget* pai, const QString& texto, int left, int top, int width, int height) {
  auto* label = cria<QLabel>(pai, left, top, width, height);
  label->setTextFormat(Qt::PlainText);
  label->setText(texto);
  return label;
}

// A picture that reads as a link: the text, in the panel's blue.
QPixmap textoImagem(const QString& texto, int width, int height) {
  QPixmap imagem(width, height);
  imagem.fill(kCorPainel);
  QPainter pintor(&imagem);
  QFont fonte(QStringLiteral("Verdana"));
  fonte.setPixelSize(11);
  fonte.setUnderline(true);
  pintor.setFont(fonte);
  pintor.setPen(QColor(0x1C, 0x40, 0x75));
  pintor.drawText(imagem.rect(), Qt::AlignCenter, texto);
  return imagem;
}

ImageControl* imagemTexto(QWidget* pai, const QString& texto, int left, int top, int width, int height) {
  auto* imagem = cria<ImageControl>(pai, left, top, width, height);
  imagem->setPicture(textoImagem(texto, width, height), false);
  imagem->setCursor(Qt::PointingHandCursor);
  return imagem;
}

// The captions of the three option boxes, each level with its box.
QPixmap legendasOpcoes(int width, int height) {
  QPixmap imagem(width, height);
  imagem.fill(Qt::transparent);
  QPainter pintor(&imagem);
  QFont fonte(QStringLiteral("Verdana"));
  fonte.setPixelSize(11);
  pintor.setFont(fonte);
  pintor.setPen(Qt::black);
  const std::array<const char16_t*, 3> legendas = {u"Iniciadas por", u"Terminadas em", u"No texto do verbete"};
  const std::array<int, 3> topos = {0, 18, 37};  // the boxes' rows less the caption's top
  for (std::size_t i = 0; i < legendas.size(); ++i)
    pintor.drawText(QRect(0, topos[i], width, 13), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf16(legendas[i]));
  return imagem;
}

// A background piece: the panel's colour inside a thin frame.
ImageControl* fundo(QWidget* pai, int left, int top, int width, int height) {
  QPixmap imagem(width, height);
  imagem.fill(kCorPainel);
  QPainter pintor(&imagem);
  pintor.setPen(kCorSeparador);
  pintor.drawRect(0, 0, width - 1, height - 1);
  pintor.end();
  auto* peca = cria<ImageControl>(pai, left, top, width, height);
  peca->setPicture(imagem, false);
  return peca;
}

}  // namespace

void frmMain::criaPainelAvancado() {
  txtEntrada1 = cria<QLineEdit>(this, 108, 57, 125, 16);
  txtEntrada2 = cria<QLineEdit>(this, 108, 75, 125, 16);
  for (QLineEdit* campo : {txtEntrada1, txtEntrada2}) {
    campo->setFrame(false);
    campo->hide();
  }
  lblPesquisa = {rotulo(this, QStringLiteral("Pesquisa:"), 36, 58, 57, 13),
                 rotulo(this, QStringLiteral("Terminada:"), 36, 76, 73, 13),
                 rotulo(this, QStringLiteral("Iniciada:"), 36, 58, 57, 13),
                 rotulo(this, QStringLiteral("Somar filtros"), 64, 267, 84, 13)};
  QFont fonte(QStringLiteral("Verdana"));
  fonte.setPixelSize(11);
  for (QLabel* legenda : lblPesquisa) legenda->setFont(fonte);
  for (int i = 1; i < 4; ++i) lblPesquisa[i]->hide();
  imgPesqAvancada = cria<QLabel>(this, 58, 98, 151, 51);
  imgPesqAvancada->setPixmap(legendasOpcoes(151, 51));
  imgPesqAvancada->hide();
  cmbFiltro = cria<QComboBox>(this, 43, 156, 188, 20);
  cmbFiltro->addItems({QStringLiteral("Filtro Desligado"), QStringLiteral("Filtro Ligado")});
  cmbFiltro->hide();
  lstFiltros = cria<QListWidget>(this, 43, 176, 188, 88);
  lstFiltros->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The captions' small type: the longest class, "Elemento de composição",
  // fits whole beside its box and the scroll bar.
  lstFiltros->setFont(fonte);
  lstFiltros->hide();
  imgAvancada = imagemTexto(this, QStringLiteral("Pesquisa avançada"), 33, 100, 118, 13);
  imgFechar = imagemTexto(this, QStringLiteral("Fechar"), 33, 100, 55, 16);
  imgFechar->hide();
  btBuscar = cria<QPushButton>(this, 172, 99, 59, 17);
  btBuscar->setText(QStringLiteral("Buscar"));
  for (int i = 0; i < 2; ++i) {
    ImageControl* aba = cria<ImageControl>(this, 2, 122, 261, 31);
    const int divisa = qRound(DivisaAbasTwips / aba->toScaleX(1));  // where a click changes tabs
    aba->setPicture(AbasLista::desenha(i, aba->size(), divisa), false);
    imgBtSelLista[static_cast<std::size_t>(i)] = aba;
  }
  imgBtSelLista[1]->hide();
  lblFiltros = rotulo(this, QString(), 14, 188, 236, 15);
  lblFiltros->hide();
  criaFundos();
  criaTipAbreviatura();
  lblDescricaoPesquisa->setTextFormat(Qt::PlainText);  // it names the query as typed
  connect(imgAvancada, &VbControl::Click, this, &frmMain::imgAvancada_Click);
  connect(imgFechar, &VbControl::Click, this, &frmMain::imgFechar_Click);
  connect(cmbFiltro, &QComboBox::activated, this, &frmMain::cmbFiltro_Click);
  connect(btBuscar, &QPushButton::clicked, this, &frmMain::btBuscar_Click);
  for (int i = 0; i < 4; ++i)
    connect(chkAvancada[static_cast<std::size_t>(i)], &QCheckBox::clicked, this, [this, i] { chkAvancada_Click(i); });
  chkAvancada[3]->setToolTip(LoadResString(710));
}

// The abbreviation tip: a box holding one label, hidden, and its timer.
void frmMain::criaTipAbreviatura() {
  picTipAbrev = cria<PictureBox>(this, 0, 0, 120, 20);
  picTipAbrev->setFocusPolicy(Qt::ClickFocus);
  txtTipAbrev = rotulo(picTipAbrev, QString(), 0, 0, 120, 20);
  txtTipAbrev->setStyleSheet(QStringLiteral("background: #FFFFE1; border: 1px solid #8CA2C7;"));
  txtTipAbrev->setAlignment(Qt::AlignCenter);
  txtTipAbrev->setMouseTracking(true);  // its moves reach the box
  picTipAbrev->hide();
  tmrTip = new VbTimer(this, 300);  // owned by the window
  connect(picTipAbrev, &VbControl::MouseMove, this, [this] { picTipAbrev_MouseMove(); });
  connect(picTipAbrev, &VbControl::LostFocus, picTipAbrev, &QWidget::hide);
  connect(tmrTip, &VbTimer::Timer, this, &frmMain::tmrTip_Timer);
}

void frmMain::criaFundos() {
  imgFundo = {fundo(this, LarguraProjeto - LarguraCanto, 0, LarguraCanto, 26), fundo(this, 4, 607, 257, 22),
              fundo(this, 4, 532, 257, 97)};
  imgFundo[1]->hide();
  // Behind the panels they frame.
  for (ImageControl* peca : imgFundo) peca->lower();
}

void frmMain::imgAvancada_Click() {
  imgAvancada->hide();
  for (QWidget* controle : std::initializer_list<QWidget*>{imgFechar, chkAvancada[0], chkAvancada[1], chkAvancada[2],
                                                           chkAvancada[3], imgPesqAvancada, cmbFiltro})
    controle->show();
  if (cmbFiltro->currentIndex() == 1) {
    imgFundo[2]->hide();
    imgFundo[1]->show();
    picBuscasAnteriores->hide();
  }
  chkAvancada_Click(0);
  cmbFiltro_Click();
  m_modoBusca = 1;
}

// The filter list and the previous searches share the space below the
// letter picker.
void frmMain::mostraFiltros(bool visivel) {
  for (QWidget* controle : std::initializer_list<QWidget*>{lstFiltros, chkAvancada[3], lblPesquisa[3], imgFundo[1]})
    controle->setVisible(visivel);
  imgFundo[2]->setVisible(!visivel);
  picBuscasAnteriores->setVisible(!visivel);
}

void frmMain::cmbFiltro_Click() {
  if (cmbFiltro->isVisibleTo(this)) {
    const bool ligado = cmbFiltro->currentIndex() == 1;
    m_TopoBusca = static_cast<std::int16_t>(ligado ? kTopoFiltros : kTopoAvancado);
    mostraFiltros(ligado);
  }
  Form_Resize();
}

void frmMain::imgFechar_Click() {
  m_TopoBusca = kTopoFechado;
  imgAvancada->show();
  for (QWidget* controle : std::initializer_list<QWidget*>{imgFechar, chkAvancada[0], chkAvancada[1], chkAvancada[2],
                                                           imgPesqAvancada, cmbFiltro, lstFiltros})
    controle->hide();
  lblPesquisa[0]->show();
  lblPesquisa[1]->hide();
  lblPesquisa[2]->hide();
  txtEntrada->show();
  txtEntrada1->hide();
  txtEntrada2->hide();
  chkAvancada[3]->hide();
  if (cmbFiltro->currentIndex() == 1) {
    imgFundo[2]->show();
    imgFundo[1]->hide();
    picBuscasAnteriores->show();
  }
  Form_Resize();
  m_modoBusca = 0;
}

void frmMain::chkAvancada_Click(int Index) {
  const bool texto = Index == 0 || Index == 1;
  const bool par = chkAvancada[0]->isChecked() && chkAvancada[1]->isChecked();
  lblPesquisa[0]->setVisible(!par);
  lblPesquisa[1]->setVisible(par);
  lblPesquisa[2]->setVisible(par);
  if (par) {
    txtEntrada->hide();
    if (texto) txtEntrada1->setText(txtEntrada->text());
  } else if (texto && txtEntrada1->isVisibleTo(this)) {
    txtEntrada->setText(txtEntrada1->text());
  }
  txtEntrada->setVisible(!par);
  txtEntrada1->setVisible(par);
  txtEntrada2->setVisible(par);
}
