#include "JanelasX.h"

#include <X11/Xlib.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>

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

unsigned long primeiroLong(const QByteArray& valor) {
  return valor.size() >= qsizetype(sizeof(long)) ? *reinterpret_cast<const unsigned long*>(valor.constData()) : 0;
}

// A window asked about may be gone already: the answer is then empty.
int ignoraErro(Display*, XErrorEvent*) { return 0; }

}  // namespace

JanelasX::JanelasX() : m_x(XOpenDisplay(nullptr)) { XSetErrorHandler(ignoraErro); }

JanelasX::~JanelasX() {
  if (m_x != nullptr) XCloseDisplay(m_x);
}

QString JanelasX::titulo(Window janela) {
  return QString::fromUtf8(propriedade(m_x, janela, "_NET_WM_NAME", XInternAtom(m_x, "UTF8_STRING", False)));
}

QPoint JanelasX::origem(Window janela) {
  int x = 0, y = 0;
  Window filha = None;
  XTranslateCoordinates(m_x, janela, DefaultRootWindow(m_x), 0, 0, &x, &y, &filha);
  return QPoint(x, y);
}

JanelasX::Estado JanelasX::estado(Window janela) {
  const Atom wmState = XInternAtom(m_x, "WM_STATE", False);
  return static_cast<Estado>(primeiroLong(propriedade(m_x, janela, "WM_STATE", wmState)));
}

Window JanelasX::ativa() {
  return primeiroLong(propriedade(m_x, DefaultRootWindow(m_x), "_NET_ACTIVE_WINDOW", XA_WINDOW));
}

void JanelasX::minimiza(Window janela) {
  XEvent pedido = {};
  pedido.xclient.type = ClientMessage;
  pedido.xclient.window = janela;
  pedido.xclient.message_type = XInternAtom(m_x, "WM_CHANGE_STATE", False);
  pedido.xclient.format = 32;
  pedido.xclient.data.l[0] = IconicState;
  XSendEvent(m_x, DefaultRootWindow(m_x), False, SubstructureRedirectMask | SubstructureNotifyMask, &pedido);
  XSync(m_x, False);
}
