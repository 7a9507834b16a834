#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>

// A persistent image with the drawing model of a classic picture box: a print
// position (CurrentX, CurrentY) that Print advances, a text colour and font,
// lines and boxes, bitmaps painted at a point. Coordinates are pixels; colours
// are 0xBBGGRR integers. Needs only QtGui, so drawing can be tested on its
// pixels without any window.
class DrawingSurface final {
 public:
  DrawingSurface(int width = 1, int height = 1);

  const QImage& image() const { return image_; }
  int width() const { return image_.width(); }
  int height() const { return image_.height(); }
  // Changes the size; what was drawn stays where it fits.
  void resize(int width, int height);

  double CurrentX = 0;
  double CurrentY = 0;
  std::int32_t ForeColor = 0;
  std::int32_t BackColor = 0xFFFFFF;

  void setFontName(const QString& name);
  double fontSize() const { return font_.pointSizeF(); }
  void setFontSize(double points);
  void setFontBold(bool bold);
  const QFont& font() const { return font_; }

  // Fills with BackColor and puts the print position at (0, 0).
  void Cls();
  // Prints at the print position in ForeColor. With `stayOnLine` the position
  // moves right by the text's width; otherwise it goes to the start of the
  // next line (x 0, y + the text's height).
  void Print(const QString& text, bool stayOnLine = false);
  double TextWidth(const QString& text) const;
  double TextHeight(const QString& text) const;
  // A line, or a box with corners (x1, y1) and (x2, y2), both included.
  enum class LineKind { Line, Box, FilledBox };
  void Line(double x1, double y1, double x2, double y2, std::int32_t color, LineKind kind = LineKind::Line);
  // Paints `picture` (or its part `source`) with its top left at (x, y).
  void PaintPicture(const QImage& picture, double x, double y, const QRect& source = QRect());

 private:
  QImage image_;
  QFont font_;
};
