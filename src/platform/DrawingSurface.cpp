#include "DrawingSurface.h"

#include "VbColor.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

DrawingSurface::DrawingSurface(int width, int height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
  image_.fill(vb::toQColor(BackColor));
}

void DrawingSurface::resize(int width, int height) {
  QImage resized(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  resized.fill(vb::toQColor(BackColor));
  QPainter(&resized).drawImage(0, 0, image_);
  image_ = std::move(resized);
}

void DrawingSurface::setFontName(const QString& name) { font_.setFamily(name); }
void DrawingSurface::setFontSize(double points) { font_.setPointSizeF(points); }
void DrawingSurface::setFontBold(bool bold) { font_.setBold(bold); }

void DrawingSurface::Cls() {
  image_.fill(vb::toQColor(BackColor));
  CurrentX = 0;
  CurrentY = 0;
}

double DrawingSurface::TextWidth(const QString& text) const {
  return QFontMetricsF(font_, &image_).horizontalAdvance(text);
}

double DrawingSurface::TextHeight(const QString&) const { return QFontMetricsF(font_, &image_).height(); }

void DrawingSurface::Print(const QString& text, bool stayOnLine) {
  QPainter painter(&image_);
  painter.setFont(font_);
  painter.setPen(vb::toQColor(ForeColor));
  const QFontMetricsF metrics(font_, &image_);
  painter.drawText(QPointF(CurrentX, CurrentY + metrics.ascent()), text);
  if (stayOnLine) {
    CurrentX += metrics.horizontalAdvance(text);
  } else {
    CurrentX = 0;
    CurrentY += metrics.height();
  }
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2, std::int32_t color, LineKind kind) {
  QPainter painter(&image_);
  const QColor qcolor = vb::toQColor(color);
  const QRect box(QPoint(static_cast<int>(std::lround(std::min(x1, x2))), static_cast<int>(std::lround(std::min(y1, y2)))),
                  QPoint(static_cast<int>(std::lround(std::max(x1, x2))), static_cast<int>(std::lround(std::max(y1, y2)))));
  switch (kind) {
    case LineKind::Line:
      painter.setPen(qcolor);
      painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
      break;
    case LineKind::Box:
      painter.setPen(qcolor);
      painter.drawRect(box.x(), box.y(), box.width() - 1, box.height() - 1);
      break;
    case LineKind::FilledBox:
      painter.fillRect(box, qcolor);
      break;
  }
}

void DrawingSurface::PaintPicture(const QImage& picture, double x, double y, const QRect& source) {
  QPainter painter(&image_);
  painter.drawImage(QPointF(x, y), picture, source.isNull() ? picture.rect() : source);
}
