// The main window's design: its controls at their places in the 846 x 638
// design, their wiring to the components, what it answers about itself in
// twips, its painting and its window events.
#include "frmMain.h"

#include "ProcJanela.h"
#include "ResourceImages.h"
#include "ResourceStrings.h"

#include <QCloseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace {

void botao(ImageControl& imagem, const char* nome, const char* bitmap, int left, int top, int width, int height) {
  imagem.setGeometry(left, top, width, height);
  imagem.setObjectName(QString::fromLatin1(nome));
  imagem.loadPicture(QString::fromLatin1(bitmap));
}

// The busy pictures over the browser area: a framed notice.
void desenhaAviso(PictureBox& caixa, const QString& texto) {
  DrawingSurface& s = caixa.surface();
  s.Cls();
  s.Line(0, 0, s.width() - 1, s.height() - 1, 0xC7A28C, DrawingSurface::LineKind::Box);
  s.setFontName(QStringLiteral("Verdana"));
  s.setFontSize(10);
  s.setFontBold(true);
  s.ForeColor = 0x75401C;
  s.CurrentX = (s.width() - s.TextWidth(texto)) / 2;
  s.CurrentY = (s.height() - s.TextHeight(texto)) / 2;
  s.Print(texto);
}

}  // namespace

frmMain::frmMain(Servicos servicos, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_servicos(std::move(servicos)) {
  setWindowTitle(QStringLiteral("Minivocabra"));
  setWindowIcon(QIcon(QPixmap::fromImage(res::LoadResPicture(QStringLiteral("ICONE")))));
  resize(LarguraProjeto, AlturaProjeto);
  // The window system keeps to the minimum too, in its own resize loop.
  setMinimumSize(LarguraMinima, AlturaMinima);
  // The window procedure sees every move of the pointer over the bare form,
  // not only those with a button held.
  setMouseTracking(true);
  criaControles();
  defineDicas();
  ligaListas();
  ligaResultados();
  ligaNavegacao();
  ligaBrowser();
  ligaEscolheLetra();
  ligaTeclado();
}

frmMain::~frmMain() = default;

void frmMain::criaControles() {
  imgMove.setGeometry(0, 0, 392, 43);
  imgMove.setObjectName(QStringLiteral("imgMove"));
  criaBarraFerramentas();
  criaPainelBusca();

  PicLista.setGeometry(6, 210, 253, 397);
  picLista2.setGeometry(6, 210, 253, 397);
  picLista2.hide();
  txtTip.setGeometry(0, 0, 160, 18);
  txtTip.setFrameShape(QFrame::Box);
  txtTip.setAutoFillBackground(true);
  txtTip.hide();
  imgLetras.setGeometry(8, 159, 247, 38);
  imgLetras.setScale(VbControl::Scale::Twips);
  imgLetraBackBuffer.setGeometry(8, 159, 247, 38);
  imgLetraBackBuffer.hide();
  picBuscasAnteriores.setGeometry(25, 558, 213, 63);
  picRecortaBrowser.setGeometry(264, 51, 572, 564);
  for (PictureBox* aviso : {&picAguarde, &picPesquisando}) {
    aviso->setGeometry(193, 245, 186, 74);
    aviso->hide();
  }
  txtNota.setGeometry(270, 540, 526, 71);
  txtNota.hide();
  txtAnotacoes.setGeometry(275, 607, 74, 22);
  txtAnotacoes.setPixmap(QPixmap::fromImage(res::LoadResPicture(QStringLiteral("ANOTACOES"))));
  txtAnotacoes.hide();
  picNomeEmpresa.setGeometry(700, 620, 132, 15);
  lblNomeEmpresa.setGeometry(0, 0, 132, 15);
  desenhaAviso(picAguarde, QStringLiteral("Aguarde..."));
  desenhaAviso(picPesquisando, QStringLiteral("Pesquisando..."));
}

void frmMain::criaBarraFerramentas() {
  botao(imgArquivo, "imgArquivo", "BTNARQUIVO", 166, 21, 43, 17);
  botao(imgAjuda, "imgAjuda", "BTNAJUDA", 223, 21, 34, 18);
  botao(btCasa, "btCasa", "BTNCASA", 279, 12, 26, 26);
  botao(btAnterior, "btAnterior", "BTNSETAESQUERDA", 323, 13, 26, 23);
  botao(btProximo, "btProximo", "BTNSETADIREITA", 353, 13, 26, 23);
  botao(btVisual[0], "btVisual1", "BTNVISUAL1", 432, 11, 25, 25);
  botao(btVisual[1], "btVisual2", "BTNVISUAL2", 469, 11, 25, 25);
  botao(btVisual[2], "btVisual3", "BTNVISUAL3", 505, 11, 25, 25);
  botao(imgPrinter, "imgPrinter", "BTNPRINTER", 683, 11, 25, 25);
  botao(imgNota, "imgNota", "BTNLAPIS", 723, 11, 25, 25);
  botao(imgMin, "imgMin", "BTNMINIMIZAR", 784, 5, 17, 17);
  botao(imgMax, "imgMax", "BTNMAXIMIZAR", 804, 5, 17, 17);
  botao(imgClose, "imgClose", "BTNFECHAR", 824, 5, 17, 17);
  ImgResize.setGeometry(822, 615, 24, 23);
  ImgResize.setObjectName(QStringLiteral("ImgResize"));
  ImgResize.setCursor(Qt::SizeFDiagCursor);
}

void frmMain::criaPainelBusca() {
  txtEntrada.setGeometry(36, 75, 194, 16);
  txtEntrada.setFrame(false);
  const std::array<QPoint, 4> caixas = {QPoint(44, 98), QPoint(44, 116), QPoint(44, 135), QPoint(47, 267)};
  for (std::size_t i = 0; i < caixas.size(); ++i) {
    chkAvancada[i].setGeometry(QRect(caixas[i], QSize(12, 13)));
    chkAvancada[i].hide();
  }
  lblDescricaoPesquisa.setGeometry(14, 161, 236, 25);
  lblDescricaoPesquisa.setWordWrap(true);
  // Small enough for two lines of every results caption in its box, count
  // included; the word lists' Verdana 7.5 needs three.
  QFont legenda(QStringLiteral("Verdana"));
  legenda.setPixelSize(9);
  lblDescricaoPesquisa.setFont(legenda);
  lblDescricaoPesquisa.hide();
  lblDescricaoPesquisa.setText(LoadResString(106));
  criaPainelAvancado();
  CarregaFiltros();
}

void frmMain::defineDicas() {
  btCasa.setToolTip(LoadResString(701));
  btAnterior.setToolTip(LoadResString(702));
  btProximo.setToolTip(LoadResString(703));
  btVisual[0].setToolTip(LoadResString(704));
  btVisual[1].setToolTip(LoadResString(705));
  btVisual[2].setToolTip(LoadResString(706));
  imgPrinter.setToolTip(LoadResString(707));
  imgNota.setToolTip(LoadResString(708));
}

QRect frmMain::retanguloTwips() const {
  const QRect r = geometry();
  const double tx = twipsPorPixelX();
  const double ty = twipsPorPixelY();
  return QRect(qRound(r.x() * tx), qRound(r.y() * ty), qRound(r.width() * tx), qRound(r.height() * ty));
}

void frmMain::moveTwips(const QRect& r) {
  const double tx = twipsPorPixelX();
  const double ty = twipsPorPixelY();
  setGeometry(qRound(r.x() / tx), qRound(r.y() / ty), qRound(r.width() / tx), qRound(r.height() / ty));
}

bool frmMain::minimizada() const { return isMinimized(); }
void frmMain::minimiza() { showMinimized(); }
void frmMain::mostraRedimensionador(bool visivel) { ImgResize.setVisible(visivel); }
double frmMain::twipsPorPixelX() const { return m_servicos.tela.twipsPerPixelX(); }
double frmMain::twipsPorPixelY() const { return m_servicos.tela.twipsPerPixelY(); }

void frmMain::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.fillRect(rect(), Qt::white);
  if (!m_fundo.isNull()) desenhaFundo(pintor);
  if (!m_pinturaForm.isNull()) pintor.drawPicture(0, 0, m_pinturaForm);
  if (m_Notas.EhVisivel()) desenhaMolduraNota(pintor);
}

// The background picture at its design size, and beyond it, on a larger
// window, its last column and its last row drawn out to the window's edges:
// the title band, the frame and the left panel go on to the window's size.
void frmMain::desenhaFundo(QPainter& pintor) const {
  const int w = m_fundo.width();
  const int h = m_fundo.height();
  pintor.drawImage(0, 0, m_fundo);
  if (width() > w) pintor.drawImage(QRect(w, 0, width() - w, h), m_fundo, QRect(w - 1, 0, 1, h));
  if (height() > h) pintor.drawImage(QRect(0, h, w, height() - h), m_fundo, QRect(0, h - 1, w, 1));
  if (width() > w && height() > h)
    pintor.fillRect(QRect(w, h, width() - w, height() - h), m_fundo.pixelColor(w - 1, h - 1));
}

void frmMain::desenhaMolduraNota(QPainter& pintor) const {
  const QRect nota = txtNota.geometry();
  pintor.setPen(QColor(180, 180, 180));
  pintor.drawRect(nota.x() - 2, nota.y() - 2, nota.width() + 2, nota.height() + 2);
  pintor.setPen(QColor(220, 220, 220));
  pintor.drawRect(nota.x() - 1, nota.y() - 1, nota.width() + 1, nota.height() + 1);
}

// The first show puts the window in the state its first activation gives it
// before anything is painted (no entry toolbar), and runs that activation
// next, whether or not the window becomes active: a window manager that
// gives a new window no focus would leave the start page and the letter list
// waiting.
void frmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!m_PrimeiraAtivacao) return;
  AtualizaBotoesVerbete(true);
  QTimer::singleShot(0, this, &frmMain::Form_Activate);
}

void frmMain::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
  if (event->type() == QEvent::WindowStateChange && !isMinimized()) Form_Resize();  // restored at its size
}

void frmMain::closeEvent(QCloseEvent* event) {
  if (!m_descarregada) {
    if (!m_fimDeSessao && !podeFecharComNota()) {
      event->ignore();
      return;
    }
    Form_QueryUnload();
    Form_Unload();
  }
  event->accept();
}
