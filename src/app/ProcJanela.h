#pragma once

#include <QObject>

#include <functional>

class QWidget;

// The main window's message hook: mouse moves over the bare form (and over
// its image controls, which draw on the form) and left-button releases are
// told to the window, and every event goes on to its target unchanged.
class ProcJanela final : public QObject {
  Q_OBJECT

 public:
  // Installs itself on `janela` and its image controls; `aoMover` runs on
  // each mouse move, `aoSoltar` on each left-button release. The window
  // must outlive the hook.
  ProcJanela(QWidget& janela, std::function<void()> aoMover, std::function<void()> aoSoltar);
  ~ProcJanela() override;
  Q_DISABLE_COPY_MOVE(ProcJanela)

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& m_janela;
  std::function<void()> m_aoMover;
  std::function<void()> m_aoSoltar;
};
