// Draws the resize grip painted at the window's bottom-right corner into
// resources/images. Run by hand when the design changes:
//   build/bin/desenha_grip resources/images
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QString pasta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  QImage grip(24, 23, QImage::Format_ARGB32);
  grip.fill(Qt::transparent);
  QPainter p(&grip);
  // Three diagonal rows of raised dots, the usual grip.
  for (int fila = 0; fila < 3; ++fila) {
    for (int i = 0; i <= fila; ++i) {
      const int x = 18 - 5 * (fila - i);
      const int y = 17 - 5 * i;
      p.fillRect(x + 1, y + 1, 2, 2, Qt::white);
      p.fillRect(x, y, 2, 2, QColor(140, 162, 199));
    }
  }
  p.end();
  return grip.save(pasta + QStringLiteral("/RESIZE.png")) ? 0 : 1;
}
