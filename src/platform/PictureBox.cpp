#include "PictureBox.h"

#include <QPainter>
#include <QResizeEvent>

PictureBox::PictureBox(QWidget* parent) : VbControl(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  surface_.resize(width(), height());
}

void PictureBox::setPicture(const QImage& picture) {
  surface_.Cls();
  surface_.PaintPicture(picture, 0, 0);
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(0, 0, surface_.image());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  surface_.resize(event->size().width(), event->size().height());
  emit Resize();
}
