#pragma once

#include "ClienteX.h"

#include <QPoint>
#include <QString>

// What the tests ask the X server and the window manager of a program's
// window, and ask of it as a taskbar does.
class JanelasX final {
 public:
  // ICCCM's WM_STATE.
  enum class Estado { Nenhum = 0, Normal = 1, Minimizada = 3 };

  JanelasX();
  ~JanelasX();
  Q_DISABLE_COPY_MOVE(JanelasX)

  // The window's title (_NET_WM_NAME, UTF-8).
  QString titulo(Window janela);
  // Where the window's inside starts, on the screen.
  QPoint origem(Window janela);
  Estado estado(Window janela);
  // The window that has the focus, as the manager says (_NET_ACTIVE_WINDOW).
  Window ativa();
  // Asks the manager to minimise the window (WM_CHANGE_STATE), as a
  // taskbar does.
  void minimiza(Window janela);

 private:
  _XDisplay* m_x = nullptr;
};
