#pragma once

#include "DrawingSurface.h"
#include "VbControl.h"

// A picture box whose drawing persists: everything is drawn into its
// DrawingSurface (the size of the box) and the box shows that image. Raises
// Paint when shown anew, Resize when its size changes, MouseWheel for the
// wheel over it or over a child that leaves the wheel alone, and
// FramePainted each time its drawing has been put on screen.
class PictureBox final : public VbControl {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // The box's drawing, always the box's size: a box resized while hidden
  // (whose resize event Qt holds back until it is shown) is drawn at its new
  // size at once.
  DrawingSurface& surface();
  const DrawingSurface& surface() const { return surface_; }

  // Shows `picture` as the box's whole content (its size need not match).
  void setPicture(const QImage& picture);
  // Shows what was drawn at the next turn of the event loop.
  void Refresh() { update(); }

 signals:
  void Paint();
  void Resize();
  // The wheel turned (`angleDelta`, in eighths of a degree, 120 a notch) or
  // a touchpad slid (`pixelDelta`, when the platform gives pixels; else
  // null). A box nobody listens to passes the wheel on to its parent.
  void MouseWheel(QPoint angleDelta, QPoint pixelDelta);
  // The box has just shown what was drawn into it: a frame of its drawing is
  // on screen. Not raised while the box is hidden.
  void FramePainted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  DrawingSurface surface_;
};
