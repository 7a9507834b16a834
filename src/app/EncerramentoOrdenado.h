#pragma once

#include "TerminationSignals.h"

#include <QObject>

class frmMain;

// Ends the program in order when its session ends rather than its window
// being closed. A termination signal (a logout, a shutdown, a closed
// terminal, Ctrl+C) and a quit of the application from outside close the
// main window through its close path, so the unload saves all it saves on a
// close: the open note, the window's placement and state, the last
// searches. The session manager's request to save (before a logout that may
// still be cancelled) saves the settings and leaves the window open.
//
// Make it once the window has loaded, which starts the page engine (see
// TerminationSignals).
class EncerramentoOrdenado final : public QObject {
  Q_OBJECT

 public:
  explicit EncerramentoOrdenado(frmMain& janela);
  Q_DISABLE_COPY_MOVE(EncerramentoOrdenado)

  // Whether the termination signals are caught.
  bool sinaisAtivos() const { return m_sinais.active(); }

 private:
  void fechaJanela();

  frmMain& m_janela;
  TerminationSignals m_sinais;
};
