#include "ClienteX.h"

#include <X11/Xlib.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>

namespace {

std::vector<unsigned long> propriedade(Display* x, Window janela, const char* nome, Atom tipo) {
  Atom real = None;
  int formato = 0;
  unsigned long n = 0, resto = 0;
  unsigned char* dados = nullptr;
  std::vector<unsigned long> valores;
  if (XGetWindowProperty(x, janela, XInternAtom(x, nome, False), 0, 1024, False, tipo, &real, &formato, &n, &resto,
                         &dados) == Success &&
      dados != nullptr && formato == 32) {
    const auto* itens = reinterpret_cast<const unsigned long*>(dados);
    valores.assign(itens, itens + n);
  }
  if (dados != nullptr) XFree(dados);
  return valores;
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

std::vector<Window> ClienteX::pilha() {
  const auto ids = propriedade(m_x, DefaultRootWindow(m_x), "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
  return std::vector<Window>(ids.begin(), ids.end());
}

QString ClienteX::nome(Window janela) {
  char* texto = nullptr;
  QString nome;
  if (XFetchName(m_x, janela, &texto) != 0 && texto != nullptr) nome = QString::fromLatin1(texto);
  if (texto != nullptr) XFree(texto);
  return nome;
}

bool ClienteX::ehSplash(Window janela) {
  const auto tipos = propriedade(m_x, janela, "_NET_WM_WINDOW_TYPE", XA_ATOM);
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
