#pragma once

#include <QMouseEvent>

// Mouse buttons and modifier keys in the codes the program's handlers use.
namespace vb {

enum MouseButton : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum ShiftState : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

inline int buttonCode(Qt::MouseButtons buttons) {
  return ((buttons & Qt::LeftButton) ? vbLeftButton : 0) | ((buttons & Qt::RightButton) ? vbRightButton : 0) |
         ((buttons & Qt::MiddleButton) ? vbMiddleButton : 0);
}

inline int shiftCode(Qt::KeyboardModifiers modifiers) {
  return ((modifiers & Qt::ShiftModifier) ? vbShiftMask : 0) | ((modifiers & Qt::ControlModifier) ? vbCtrlMask : 0) |
         ((modifiers & Qt::AltModifier) ? vbAltMask : 0);
}

}  // namespace vb
