#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <vector>

struct _XDisplay;

// X's window ids and key symbols (XIDs), without Xlib's macros in the tests.
using Window = unsigned long;
using KeySym = unsigned long;

// The tests' own connection to the X server: real key and pointer events
// (XTest), as a user's devices make them, and what the window manager says
// of the windows it manages.
class ClienteX final {
 public:
  ClienteX();
  ~ClienteX();
  Q_DISABLE_COPY_MOVE(ClienteX)

  // Presses the keys in order, then releases them in reverse order.
  void teclas(std::initializer_list<KeySym> simbolos);
  void movePonteiro(QPoint global);
  void botao(bool pressionado);
  void clica(QPoint global);

  // The managed windows, bottom first (_NET_CLIENT_LIST_STACKING).
  std::vector<Window> pilha();
  QString nome(Window janela);
  bool ehSplash(Window janela);
  QSize tamanho(Window janela);
  // The smallest size the window asks of the manager (WM_NORMAL_HINTS).
  QSize tamanhoMinimo(Window janela);

  // From now on, notes each window the manager takes in (reparents into its
  // frame); `gerenciadas` hands them over, in order.
  void observaGerenciadas();
  std::vector<Window> gerenciadas();

 private:
  _XDisplay* m_x = nullptr;
};
