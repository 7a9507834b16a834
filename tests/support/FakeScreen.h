#pragma once

#include "Screen.h"

// A screen of a given size, scale and work area, for tests.
class FakeScreen final : public scr::IScreen {
 public:
  QSize pixels{1280, 1024};
  double tx = 15;
  double ty = 15;
  QRect work;  // null: the whole screen
  QPoint cursor;
  bool caps = false;

  QSize sizePixels() const override { return pixels; }
  double twipsPerPixelX() const override { return tx; }
  double twipsPerPixelY() const override { return ty; }
  QRect workArea() const override { return work.isNull() ? QRect(QPoint(0, 0), pixels) : work; }
  QPoint cursorPos() const override { return cursor; }
  bool capsLock() const override { return caps; }
};
