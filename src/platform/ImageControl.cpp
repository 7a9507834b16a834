#include "ImageControl.h"

#include "ResourceImages.h"

#include <QPainter>
#include <QPixmapCache>

ImageControl::ImageControl(QWidget* parent) : VbControl(parent) {
  setScale(Scale::Twips);
  setAttribute(Qt::WA_TranslucentBackground);
}

void ImageControl::setPicture(const QPixmap& picture, bool fitToPicture) {
  picture_ = picture;
  pictureName_.clear();
  if (fitToPicture && !picture.isNull()) resize(picture.size());
  update();
}

void ImageControl::loadPicture(const QString& name) {
  if (name == pictureName_) return;  // already showing: no repaint
  // Hovering reloads skins on every move of the pointer: keep them decoded.
  const QString key = QStringLiteral("res:") + name;
  QPixmap pixmap;
  if (!QPixmapCache::find(key, &pixmap)) {
    pixmap = QPixmap::fromImage(res::LoadResPicture(name));
    QPixmapCache::insert(key, pixmap);
  }
  setPicture(pixmap, false);
  pictureName_ = name;
}

void ImageControl::paintEvent(QPaintEvent*) {
  if (!picture_.isNull()) QPainter(this).drawPixmap(0, 0, picture_);
}
