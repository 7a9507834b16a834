// Draws the word list's and the letter picker's bitmaps and the hand pointer
// into resources/images. Run by hand (target desenha_lista) when the
// pictures change; the PNGs it writes are committed.
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

const QColor kFrame(140, 162, 199);     // the program's frame blue
const QColor kText(12, 102, 154);       // the word list's text colour
const QColor kPale(226, 233, 245);
const QColor kPaler(242, 246, 252);

QImage blank(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::white);
  return image;
}

bool save(const QImage& image, const QString& folder, const QString& name, bool indexed = false) {
  const QImage out = indexed ? image.convertToFormat(QImage::Format_Indexed8) : image;
  return out.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Thumb: a rounded bar with three grip lines.
QImage thumb() {
  QImage image = blank(21, 25);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient fill(0, 0, 21, 0);
  fill.setColorAt(0, kPale);
  fill.setColorAt(1, kFrame.lighter(115));
  p.setBrush(fill);
  p.setPen(kFrame);
  p.drawRoundedRect(QRectF(3.5, 0.5, 15, 24), 4, 4);
  p.setPen(QPen(kText, 1));
  for (int y : {9, 12, 15}) p.drawLine(QPointF(7.5, y + 0.5), QPointF(14.5, y + 0.5));
  return image;
}

// Arrow button: a pale box with a triangle pointing up or down.
QImage arrow(bool up) {
  QImage image = blank(21, 16);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(kPaler);
  p.setPen(kFrame);
  p.drawRoundedRect(QRectF(3.5, 0.5, 15, 15), 3, 3);
  QPainterPath tri;
  if (up) {
    tri.moveTo(11, 4.5);
    tri.lineTo(15, 10.5);
    tri.lineTo(7, 10.5);
  } else {
    tri.moveTo(11, 11.5);
    tri.lineTo(15, 5.5);
    tri.lineTo(7, 5.5);
  }
  tri.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kText);
  p.drawPath(tri);
  return image;
}

// Separator between the letter picker and the word list.
QImage separator() {
  QImage image = blank(253, 4);
  QPainter p(&image);
  QLinearGradient line(0, 0, 253, 0);
  line.setColorAt(0, Qt::white);
  line.setColorAt(0.5, kFrame);
  line.setColorAt(1, Qt::white);
  p.fillRect(0, 1, 253, 1, line);
  p.fillRect(0, 2, 253, 1, kPaler);
  return image;
}

enum class Look { Normal, Selected, Hover };

// The alphabet in two rows of 13 cells of 19 x 19 pixels.
QImage letters(Look look) {
  QImage image = blank(247, 38);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  for (int i = 0; i < 26; ++i) {
    const QRectF cell((i % 13) * 19, (i / 13) * 19, 19, 19);
    QColor ink = kText;
    if (look == Look::Selected) {
      p.setPen(Qt::NoPen);
      p.setBrush(kText);
      p.drawRoundedRect(cell.adjusted(1, 1, -1, -1), 3, 3);
      ink = Qt::white;
    } else if (look == Look::Hover) {
      p.setPen(kFrame);
      p.setBrush(kPale);
      p.drawRoundedRect(cell.adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
      ink = kText.darker(130);
    }
    p.setPen(ink);
    p.drawText(cell, Qt::AlignCenter, QString(QChar('A' + i)));
  }
  return image;
}

// A hand pointer on a 32 x 32 canvas whose fingertip is at the centre, where
// the program puts a cursor's hot spot.
QImage hand() {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  path.moveTo(15, 16);                    // fingertip
  path.cubicTo(15, 15, 18, 15, 18, 16);
  path.lineTo(18, 22);
  path.cubicTo(18, 21, 21, 21, 21, 22.5);
  path.cubicTo(21, 21.5, 24, 21.5, 24, 23);
  path.cubicTo(24, 22.5, 27, 22.5, 27, 24);
  path.lineTo(27, 27);
  path.cubicTo(27, 29, 25, 31, 23, 31);
  path.lineTo(18, 31);
  path.cubicTo(16, 31, 15, 30, 14, 29);
  path.lineTo(10, 24);
  path.cubicTo(9, 22.5, 11, 21.5, 12.5, 22.5);
  path.lineTo(15, 25);
  path.closeSubpath();
  p.setBrush(Qt::white);
  p.setPen(QPen(Qt::black, 1));
  p.drawPath(path);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("images");
  QDir().mkpath(folder);
  const bool ok = save(thumb(), folder, QStringLiteral("101")) && save(arrow(true), folder, QStringLiteral("102")) &&
                  save(arrow(false), folder, QStringLiteral("103")) &&
                  save(separator(), folder, QStringLiteral("104")) &&
                  save(letters(Look::Normal), folder, QStringLiteral("401"), true) &&
                  save(letters(Look::Selected), folder, QStringLiteral("402"), true) &&
                  save(letters(Look::Hover), folder, QStringLiteral("403"), true) &&
                  save(hand(), folder, QStringLiteral("cursor101"));
  if (!ok) std::fprintf(stderr, "could not write the images into %s\n", qPrintable(folder));
  return ok ? 0 : 1;
}
