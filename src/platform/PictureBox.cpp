#include "PictureBox.h"

#include <QMetaMethod>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include <algorithm>

PictureBox::PictureBox(QWidget* parent) : VbControl(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  surface_.resize(width(), height());
}

DrawingSurface& PictureBox::surface() {
  if (surface_.width() != std::max(width(), 1) || surface_.height() != std::max(height(), 1)) {
    surface_.resize(width(), height());
  }
  return surface_;
}

void PictureBox::setPicture(const QImage& picture) {
  surface().Cls();
  surface_.PaintPicture(picture, 0, 0);
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(0, 0, surface().image());
  emit FramePainted();
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  surface_.resize(event->size().width(), event->size().height());
  emit Resize();
}

void PictureBox::wheelEvent(QWheelEvent* event) {
  if (!isSignalConnected(QMetaMethod::fromSignal(&PictureBox::MouseWheel))) {
    event->ignore();
    return;
  }
  emit MouseWheel(event->angleDelta(), event->pixelDelta());
}
