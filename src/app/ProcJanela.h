#pragma once

#include <QObject>

class frmMain;

// The main window's message hook: mouse moves over the bare form (and over
// its image controls, which draw on the form) clear the hover marks, a
// left-button release records the window's position, and every event goes
// on to its target unchanged.
class ProcJanela final : public QObject {
  Q_OBJECT

 public:
  // Installs itself on the window and its image controls.
  explicit ProcJanela(frmMain& janela);
  ~ProcJanela() override;
  Q_DISABLE_COPY_MOVE(ProcJanela)

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  frmMain& m_janela;
};
