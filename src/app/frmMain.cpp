// The main window's design: its controls at their places in the 846 x 638
// design, and what it answers about itself in twips.
#include "frmMain.h"

#include "ProcJanela.h"
#include "ResourceImages.h"

#include <QCloseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace {

template <typename T>
T* cria(QWidget* pai, int left, int top, int width, int height) {
  auto* controle = new T(pai);  // owned by its parent window
  controle->setGeometry(left, top, width, height);
  return controle;
}

ImageControl* botao(QWidget* pai, const char* nome, const char* bitmap, int left, int top, int width, int height) {
  auto* imagem = cria<ImageControl>(pai, left, top, width, height);
  imagem->setObjectName(QString::fromLatin1(nome));
  imagem->loadPicture(QString::fromLatin1(bitmap));
  return imagem;
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
}

frmMain::~frmMain() = default;

void frmMain::criaControles() {
  imgMove = cria<ImageControl>(this, 0, 0, 392, 43);
  imgMove->setObjectName(QStringLiteral("imgMove"));
  criaBarraFerramentas();
  criaPainelBusca();

  PicLista = cria<PictureBox>(this, 6, 210, 253, 397);
  picLista2 = cria<PictureBox>(this, 6, 210, 253, 397);
  picLista2->hide();
  txtTip = cria<QLabel>(this, 0, 0, 160, 18);
  txtTip->setFrameShape(QFrame::Box);
  txtTip->setAutoFillBackground(true);
  txtTip->hide();
  imgLetras = cria<PictureBox>(this, 8, 159, 247, 38);
  imgLetras->setScale(VbControl::Scale::Twips);
  imgLetraBackBuffer = cria<PictureBox>(this, 8, 159, 247, 38);
  imgLetraBackBuffer->hide();
  picBuscasAnteriores = cria<PictureBox>(this, 25, 558, 213, 63);
  picRecortaBrowser = cria<QWidget>(this, 264, 51, 572, 564);
  picAguarde = cria<PictureBox>(this, 193, 245, 186, 74);
  picAguarde->setParent(picRecortaBrowser);
  picAguarde->hide();
  picPesquisando = cria<PictureBox>(picRecortaBrowser, 193, 245, 186, 74);
  picPesquisando->hide();
  txtNota = cria<QPlainTextEdit>(this, 270, 540, 526, 71);
  txtNota->hide();
  txtAnotacoes = cria<QLabel>(this, 275, 607, 74, 22);
  txtAnotacoes->setPixmap(QPixmap::fromImage(res::LoadResPicture(QStringLiteral("ANOTACOES"))));
  txtAnotacoes->hide();
  picNomeEmpresa = cria<QWidget>(this, 700, 620, 132, 15);
  lblNomeEmpresa = cria<QLabel>(picNomeEmpresa, 0, 0, 132, 15);
  desenhaAviso(*picAguarde, QStringLiteral("Aguarde..."));
  desenhaAviso(*picPesquisando, QStringLiteral("Pesquisando..."));
  // The timers are owned by the window.
  tmrListaCarga = new VbTimer(this, 1);
  tmrBusca = new VbTimer(this, 350);
  tmrLista = new VbTimer(this, 200);
  tmrComandoBrowser = new VbTimer(this, 1);
}

void frmMain::criaBarraFerramentas() {
  imgArquivo = botao(this, "imgArquivo", "BTNARQUIVO", 166, 21, 43, 17);
  imgAjuda = botao(this, "imgAjuda", "BTNAJUDA", 223, 21, 34, 18);
  btCasa = botao(this, "btCasa", "BTNCASA", 279, 12, 26, 26);
  btAnterior = botao(this, "btAnterior", "BTNSETAESQUERDA", 323, 13, 26, 23);
  btProximo = botao(this, "btProximo", "BTNSETADIREITA", 353, 13, 26, 23);
  btVisual = {botao(this, "btVisual1", "BTNVISUAL1", 432, 11, 25, 25),
              botao(this, "btVisual2", "BTNVISUAL2", 469, 11, 25, 25),
              botao(this, "btVisual3", "BTNVISUAL3", 505, 11, 25, 25)};
  imgPrinter = botao(this, "imgPrinter", "BTNPRINTER", 683, 11, 25, 25);
  imgNota = botao(this, "imgNota", "BTNLAPIS", 723, 11, 25, 25);
  imgMin = botao(this, "imgMin", "BTNMINIMIZAR", 784, 5, 17, 17);
  imgMax = botao(this, "imgMax", "BTNMAXIMIZAR", 804, 5, 17, 17);
  imgClose = botao(this, "imgClose", "BTNFECHAR", 824, 5, 17, 17);
  ImgResize = cria<ImageControl>(this, 822, 615, 24, 23);
  ImgResize->setObjectName(QStringLiteral("ImgResize"));
  ImgResize->setCursor(Qt::SizeFDiagCursor);
}

void frmMain::criaPainelBusca() {
  txtEntrada = cria<QLineEdit>(this, 36, 75, 194, 16);
  txtEntrada->setFrame(false);
  chkAvancada = {cria<QCheckBox>(this, 44, 98, 12, 13), cria<QCheckBox>(this, 44, 116, 12, 13),
                 cria<QCheckBox>(this, 44, 135, 12, 13), cria<QCheckBox>(this, 47, 267, 12, 13)};
  for (QCheckBox* caixa : chkAvancada) caixa->hide();
  lblDescricaoPesquisa = cria<QLabel>(this, 14, 161, 236, 25);
  lblDescricaoPesquisa->setWordWrap(true);
  // Small enough for two lines of every results caption in its box, count
  // included; the word lists' Verdana 7.5 needs three.
  QFont legenda(QStringLiteral("Verdana"));
  legenda.setPixelSize(9);
  lblDescricaoPesquisa->setFont(legenda);
  lblDescricaoPesquisa->hide();
  criaPainelAvancado();
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
void frmMain::mostraRedimensionador(bool visivel) { ImgResize->setVisible(visivel); }
double frmMain::twipsPorPixelX() const { return m_servicos.tela.twipsPerPixelX(); }
double frmMain::twipsPorPixelY() const { return m_servicos.tela.twipsPerPixelY(); }

void frmMain::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.fillRect(rect(), Qt::white);
  if (!m_fundo.isNull()) desenhaFundo(pintor);
  if (!m_pinturaForm.isNull()) pintor.drawPicture(0, 0, m_pinturaForm);
  if (m_Notas && m_Notas->EhVisivel()) desenhaMolduraNota(pintor);
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
  const QRect nota = txtNota->geometry();
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
