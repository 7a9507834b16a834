#include "ClienteX.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <X11/Xlib.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// The value of a window's property as bytes (8-bit formats) or as longs
// (32-bit formats: Xlib hands them over as longs); empty when it is not set.
QByteArray propriedade(Display* x, Window janela, const char* nome, Atom tipo) {
  Atom real = None;
  int formato = 0;
  unsigned long n = 0, resto = 0;
  unsigned char* dados = nullptr;
  QByteArray valor;
  if (XGetWindowProperty(x, janela, XInternAtom(x, nome, False), 0, 1024, False, tipo, &real, &formato, &n, &resto,
                         &dados) == Success &&
      dados != nullptr) {
    const qsizetype tamanho = formato == 32 ? sizeof(long) : formato / 8;
    valor = QByteArray(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(n) * tamanho);
  }
  if (dados != nullptr) XFree(dados);
  return valor;
}

// A 32-bit property's items.
std::vector<unsigned long> comoLongs(const QByteArray& valor) {
  std::vector<unsigned long> itens(static_cast<std::size_t>(valor.size()) / sizeof(long));
  std::memcpy(itens.data(), valor.constData(), itens.size() * sizeof(long));
  return itens;
}

unsigned long primeiroLong(const QByteArray& valor) {
  const std::vector<unsigned long> itens = comoLongs(valor);
  return itens.empty() ? 0 : itens.front();
}

// A window asked about may be gone already (the program's windows come and
// go): the answer is then empty, and the test goes on.
int ignoraErro(Display*, XErrorEvent*) { return 0; }

}  // namespace

ClienteX::ClienteX() : m_x(XOpenDisplay(nullptr)) { XSetErrorHandler(ignoraErro); }

ClienteX::~ClienteX() {
  if (m_x != nullptr) XCloseDisplay(m_x);
}

void ClienteX::teclas(std::initializer_list<KeySym> simbolos) {
  for (KeySym s : simbolos) XTestFakeKeyEvent(m_x, XKeysymToKeycode(m_x, s), True, CurrentTime);
  for (auto it = std::rbegin(simbolos); it != std::rend(simbolos); ++it)
    XTestFakeKeyEvent(m_x, XKeysymToKeycode(m_x, *it), False, CurrentTime);
  XSync(m_x, False);
}

// The key symbols of printable ASCII are the characters' codes.
void ClienteX::digita(const char* texto) {
  for (const char* c = texto; *c != '\0'; ++c) teclas({static_cast<KeySym>(*c)});
}

void ClienteX::movePonteiro(QPoint global) {
  XTestFakeMotionEvent(m_x, -1, global.x(), global.y(), CurrentTime);
  XSync(m_x, False);
}

void ClienteX::botao(bool pressionado) {
  XTestFakeButtonEvent(m_x, 1, pressionado ? True : False, CurrentTime);
  XSync(m_x, False);
}

void ClienteX::clica(QPoint global) {
  movePonteiro(global);
  botao(true);
  botao(false);
}

// X buttons 5 (towards the user) and 4 (away) are the wheel's notches.
void ClienteX::roda(int entalhes) {
  const unsigned int botao = entalhes > 0 ? 5 : 4;
  for (int i = 0; i < std::abs(entalhes); ++i) {
    XTestFakeButtonEvent(m_x, botao, True, CurrentTime);
    XTestFakeButtonEvent(m_x, botao, False, CurrentTime);
  }
  XSync(m_x, False);
}

std::vector<Window> ClienteX::pilha() {
  return comoLongs(propriedade(m_x, DefaultRootWindow(m_x), "_NET_CLIENT_LIST_STACKING", XA_WINDOW));
}

QString ClienteX::nome(Window janela) {
  char* texto = nullptr;
  QString nome;
  if (XFetchName(m_x, janela, &texto) != 0 && texto != nullptr) nome = QString::fromLatin1(texto);
  if (texto != nullptr) XFree(texto);
  return nome;
}

QString ClienteX::titulo(Window janela) {
  return QString::fromUtf8(propriedade(m_x, janela, "_NET_WM_NAME", XInternAtom(m_x, "UTF8_STRING", False)));
}

bool ClienteX::ehSplash(Window janela) {
  const auto tipos = comoLongs(propriedade(m_x, janela, "_NET_WM_WINDOW_TYPE", XA_ATOM));
  return std::count(tipos.begin(), tipos.end(), XInternAtom(m_x, "_NET_WM_WINDOW_TYPE_SPLASH", False)) > 0;
}

QSize ClienteX::tamanho(Window janela) {
  Window raiz = None;
  int x = 0, y = 0;
  unsigned int w = 0, h = 0, borda = 0, profundidade = 0;
  if (XGetGeometry(m_x, janela, &raiz, &x, &y, &w, &h, &borda, &profundidade) == 0) return QSize();
  return QSize(static_cast<int>(w), static_cast<int>(h));
}

QSize ClienteX::tamanhoMinimo(Window janela) {
  XSizeHints dicas{};
  long fornecidas = 0;
  if (XGetWMNormalHints(m_x, janela, &dicas, &fornecidas) == 0 || (dicas.flags & PMinSize) == 0) return QSize();
  return QSize(dicas.min_width, dicas.min_height);
}

QPoint ClienteX::origem(Window janela) {
  int x = 0, y = 0;
  Window filha = None;
  XTranslateCoordinates(m_x, janela, DefaultRootWindow(m_x), 0, 0, &x, &y, &filha);
  return QPoint(x, y);
}

ClienteX::Estado ClienteX::estado(Window janela) {
  const Atom wmState = XInternAtom(m_x, "WM_STATE", False);
  return static_cast<Estado>(primeiroLong(propriedade(m_x, janela, "WM_STATE", wmState)));
}

Window ClienteX::ativa() {
  return primeiroLong(propriedade(m_x, DefaultRootWindow(m_x), "_NET_ACTIVE_WINDOW", XA_WINDOW));
}

void ClienteX::minimiza(Window janela) {
  XEvent pedido = {};
  pedido.xclient.type = ClientMessage;
  pedido.xclient.window = janela;
  pedido.xclient.message_type = XInternAtom(m_x, "WM_CHANGE_STATE", False);
  pedido.xclient.format = 32;
  pedido.xclient.data.l[0] = IconicState;
  XSendEvent(m_x, DefaultRootWindow(m_x), False, SubstructureRedirectMask | SubstructureNotifyMask, &pedido);
  XSync(m_x, False);
}

void ClienteX::observaGerenciadas() {
  XSelectInput(m_x, DefaultRootWindow(m_x), SubstructureNotifyMask);
  XSync(m_x, False);
}

std::vector<Window> ClienteX::gerenciadas() {
  std::vector<Window> janelas;
  while (XPending(m_x) > 0) {
    XEvent e;
    XNextEvent(m_x, &e);
    if (e.type == ReparentNotify && e.xreparent.parent != DefaultRootWindow(m_x)) janelas.push_back(e.xreparent.window);
  }
  return janelas;
}

QImage ClienteX::naTela(const QRect& area) {
  return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

QImage ClienteX::naTela(const QWidget* controle) {
  return naTela(QRect(controle->mapToGlobal(QPoint(0, 0)), controle->size()));
}
