#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <vector>

class QWidget;
struct _XDisplay;

// X's window ids and key symbols (XIDs), without Xlib's macros in the tests.
using Window = unsigned long;
using KeySym = unsigned long;

// The tests' own connection to the X server: real key and pointer events
// (XTest), as a user's devices make them, what the X server and the window
// manager say of the windows, and what the tests ask of a window as a
// taskbar does.
class ClienteX final {
 public:
  // ICCCM's WM_STATE.
  enum class Estado { Nenhum = 0, Normal = 1, Minimizada = 3 };

  ClienteX();
  ~ClienteX();
  Q_DISABLE_COPY_MOVE(ClienteX)

  // Presses the keys in order, then releases them in reverse order.
  void teclas(std::initializer_list<KeySym> simbolos);
  // Types `texto` (printable ASCII) key by key, as a keyboard does.
  void digita(const char* texto);
  void movePonteiro(QPoint global);
  void botao(bool pressionado);
  void clica(QPoint global);
  // Turns the wheel by `entalhes` notches: towards the user (down a list)
  // for entalhes > 0, away for entalhes < 0.
  void roda(int entalhes);

  // The managed windows, bottom first (_NET_CLIENT_LIST_STACKING).
  std::vector<Window> pilha();
  QString nome(Window janela);
  // The window's title (_NET_WM_NAME, UTF-8).
  QString titulo(Window janela);
  bool ehSplash(Window janela);
  QSize tamanho(Window janela);
  // The smallest size the window asks of the manager (WM_NORMAL_HINTS).
  QSize tamanhoMinimo(Window janela);
  // Where the window's inside starts, on the screen.
  QPoint origem(Window janela);
  Estado estado(Window janela);
  // The window that has the focus, as the manager says (_NET_ACTIVE_WINDOW).
  Window ativa();
  // Asks the manager to minimise the window (WM_CHANGE_STATE), as a
  // taskbar does.
  void minimiza(Window janela);

  // From now on, notes each window the manager takes in (reparents into its
  // frame); `gerenciadas` hands them over, in order.
  void observaGerenciadas();
  std::vector<Window> gerenciadas();

  // What the screen shows of `area`, or of `controle`.
  static QImage naTela(const QRect& area);
  static QImage naTela(const QWidget* controle);

 private:
  _XDisplay* m_x = nullptr;
};
