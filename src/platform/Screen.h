#pragma once

#include <QPoint>
#include <QRect>

#include <cstdint>

// The screen, the taskbar and the keyboard lights, as the program asks
// about them.
namespace scr {

// The taskbar record of the shell's app-bar message. Only the edge and the
// rectangle (pixels, Windows style: a bar docked at an edge reaches a little
// past the screen on its other three sides) are filled in.
struct APPBARDATA {
  std::uint32_t cbSize = 36;
  std::uint32_t uEdge = 0;
  QRect rc;  // left, top, right, bottom as QRect(QPoint(left, top), QPoint(right, bottom))
  std::int32_t lParam = 0;
};

inline constexpr std::uint32_t ABM_GETSTATE = 4;
inline constexpr std::uint32_t ABM_GETTASKBARPOS = 5;
inline constexpr std::uint32_t ABS_AUTOHIDE = 1;
inline constexpr std::uint32_t ABS_ALWAYSONTOP = 2;

class IScreen {
 public:
  virtual ~IScreen() = default;

  // The screen's size in pixels.
  virtual QSize sizePixels() const = 0;
  // Twips per pixel, horizontally and vertically.
  virtual double twipsPerPixelX() const = 0;
  virtual double twipsPerPixelY() const = 0;
  // ABM_GETSTATE: the taskbar's state flags; ABM_GETTASKBARPOS: 1 and its
  // rectangle in `data.rc`, or 0 when there is none. 0 for other messages.
  virtual std::uint32_t SHAppBarMessage(std::uint32_t message, APPBARDATA& data) const = 0;
  // The pointer's position on the screen, in pixels.
  virtual QPoint cursorPos() const = 0;
  // Whether Caps Lock is on.
  virtual bool capsLock() const = 0;
};

// The primary screen as Qt sees it. The taskbar is what the desktop reserves
// on one edge (the screen geometry less the available geometry); with nothing
// reserved there is no taskbar (state 0).
class QtScreen final : public IScreen {
 public:
  QSize sizePixels() const override;
  double twipsPerPixelX() const override;
  double twipsPerPixelY() const override;
  std::uint32_t SHAppBarMessage(std::uint32_t message, APPBARDATA& data) const override;
  QPoint cursorPos() const override;
  bool capsLock() const override;

  // The taskbar rectangle that a desktop reserving `available` of `screen`
  // has, in the Windows form; empty when nothing is reserved.
  static QRect taskbarRect(const QRect& screen, const QRect& available);
};

}  // namespace scr
