#pragma once

#include "Screen.h"

#include <QPoint>
#include <QRect>

class QWidget;

// Where a window and the mouse pointer are on the screen, in pixels
// (GetWindowRect, GetCursorPos). Callers that place things beside the pointer
// take this interface, so tests can say where both are.
class IWindowScreen {
 public:
  virtual ~IWindowScreen() = default;
  // The window's outer rectangle on the screen.
  virtual QRect windowRect() const = 0;
  // The pointer's position on the screen.
  virtual QPoint cursorPos() const = 0;
};

// The real one: the top-level window of `window`, and the pointer as the
// screen layer reports it. Both must outlive this object.
class QtWindowScreen final : public IWindowScreen {
 public:
  QtWindowScreen(const QWidget& window, const scr::IScreen& screen) : window_(window), screen_(screen) {}

  QRect windowRect() const override;
  QPoint cursorPos() const override { return screen_.cursorPos(); }

 private:
  const QWidget& window_;
  const scr::IScreen& screen_;
};
