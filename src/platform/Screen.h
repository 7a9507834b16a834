#pragma once

#include <QPoint>
#include <QRect>

#include <cstdint>

// The screen, its work area and the keyboard lights, as the program asks
// about them.
namespace scr {

class IScreen {
 public:
  virtual ~IScreen() = default;

  // The screen's size in pixels.
  virtual QSize sizePixels() const = 0;
  // Twips per pixel, horizontally and vertically.
  virtual double twipsPerPixelX() const = 0;
  virtual double twipsPerPixelY() const = 0;
  // The work area: the part of the screen the desktop leaves to windows, less
  // its panels and docks on every edge, in pixels.
  virtual QRect workArea() const = 0;
  // The pointer's position on the screen, in pixels.
  virtual QPoint cursorPos() const = 0;
  // Whether Caps Lock is on.
  virtual bool capsLock() const = 0;
};

// The primary screen as Qt sees it; its work area is the available geometry
// the desktop reports.
class QtScreen final : public IScreen {
 public:
  QSize sizePixels() const override;
  double twipsPerPixelX() const override;
  double twipsPerPixelY() const override;
  QRect workArea() const override;
  QPoint cursorPos() const override;
  bool capsLock() const override;
};

}  // namespace scr
