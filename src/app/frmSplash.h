#pragma once

#include "VbTimer.h"

#include <QLabel>
#include <QWidget>

// The splash window: the picture and the version, topmost, with no border
// and no taskbar button. It refuses the first unload asked for by the
// program and closes itself 2500 ms later, so it stays over the main window
// for that long.
class frmSplash final : public QWidget {
  Q_OBJECT

 public:
  // How an unload was asked for.
  enum class ModoDescarga { Usuario = 0, Codigo = 1 };

  explicit frmSplash(QWidget* parent = nullptr);

  // The program's request to unload: refused the first time (the close
  // timer starts instead); true when the window closed.
  bool Form_QueryUnload(ModoDescarga modo);

  // Given the focus when the splash closes.
  void defineJanelaPrincipal(QWidget* janela) { m_janelaPrincipal = janela; }

  QLabel lblSplash;
  VbTimer tmrClose;

 private:
  void Form_Load();
  void tmrClose_Timer();

  QWidget* m_janelaPrincipal = nullptr;
};
