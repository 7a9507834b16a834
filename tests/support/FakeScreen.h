#pragma once

#include "Screen.h"

// A screen of a given size, scale and taskbar, for tests.
class FakeScreen final : public scr::IScreen {
 public:
  QSize pixels{1280, 1024};
  double tx = 15;
  double ty = 15;
  std::uint32_t taskbarState = 0;
  QRect taskbar;  // Windows form; null for no answer to ABM_GETTASKBARPOS
  QPoint cursor;
  bool caps = false;

  QSize sizePixels() const override { return pixels; }
  double twipsPerPixelX() const override { return tx; }
  double twipsPerPixelY() const override { return ty; }
  std::uint32_t SHAppBarMessage(std::uint32_t message, scr::APPBARDATA& data) const override {
    if (message == scr::ABM_GETSTATE) return taskbarState;
    if (message != scr::ABM_GETTASKBARPOS || taskbar.isNull()) return 0;
    data.rc = taskbar;
    return 1;
  }
  QPoint cursorPos() const override { return cursor; }
  bool capsLock() const override { return caps; }
};

// Left, top, right, bottom, as the taskbar rectangle is given.
inline QRect ltrb(int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r, b)); }
