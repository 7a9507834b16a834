#pragma once

#include <QWidget>

// Hands the mouse to the window system's own move or resize loop, as a
// press on a borderless window's drag area or grip must. Called from the
// press handler, while the button is held.
class IWindowDrag {
 public:
  virtual ~IWindowDrag() = default;

  // Moves `window` with the pointer until the button is released. False when
  // the window system cannot (no native window yet, or no support).
  virtual bool startMove(QWidget& window) = 0;
  // Resizes `window` from `edges` until the button is released; false as
  // for startMove.
  virtual bool startResize(QWidget& window, Qt::Edges edges) = 0;
};

// Over QWindow::startSystemMove and startSystemResize.
class QtWindowDrag final : public IWindowDrag {
 public:
  bool startMove(QWidget& window) override;
  bool startResize(QWidget& window, Qt::Edges edges) override;
};
