#include "ImageControl.h"

#include <QPainter>

ImageControl::ImageControl(QWidget* parent) : VbControl(parent) {
  setScale(Scale::Twips);
  setAttribute(Qt::WA_TranslucentBackground);
}

void ImageControl::setPicture(const QPixmap& picture, bool fitToPicture) {
  picture_ = picture;
  if (fitToPicture && !picture.isNull()) resize(picture.size());
  update();
}

void ImageControl::paintEvent(QPaintEvent*) {
  if (!picture_.isNull()) QPainter(this).drawPixmap(0, 0, picture_);
}
