#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Where a window and the mouse pointer are on the screen, in pixels
// (GetWindowRect, GetCursorPos). Callers that place things beside the pointer
// take this interface, so tests can say where the pointer is.
class IWindowScreen {
 public:
  virtual ~IWindowScreen() = default;
  // The window's outer rectangle on the screen.
  virtual QRect windowRect() const = 0;
  // The pointer's position on the screen.
  virtual QPoint cursorPos() const = 0;
};

// The real one, over a top-level widget and QCursor. The widget must outlive
// this object.
class QtWindowScreen final : public IWindowScreen {
 public:
  explicit QtWindowScreen(const QWidget& window) : window_(window) {}

  QRect windowRect() const override;
  QPoint cursorPos() const override;

 private:
  const QWidget& window_;
};
