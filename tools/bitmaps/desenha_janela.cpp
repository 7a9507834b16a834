// Draws the main window's background, the splash picture and the program
// icon into resources/images. Run by hand when the designs change:
//   build/bin/desenha_janela resources/images
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kMoldura(140, 162, 199);  // the frame colour
const QColor kAzulEscuro(38, 64, 117);
const QColor kAzulClaro(222, 230, 243);

void desenhaLivro(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kAzulEscuro, r.width() / 24));
  p.setBrush(Qt::white);
  const QPointF meio(r.center().x(), r.top() + r.height() * 0.12);
  QPainterPath esquerda;
  esquerda.moveTo(meio);
  esquerda.quadTo(r.left() + r.width() * 0.25, r.top(), r.left(), r.top() + r.height() * 0.1);
  esquerda.lineTo(r.left(), r.bottom() - r.height() * 0.1);
  esquerda.quadTo(r.left() + r.width() * 0.25, r.bottom() - r.height() * 0.2, r.center().x(), r.bottom());
  esquerda.closeSubpath();
  p.drawPath(esquerda);
  QTransform espelho;
  espelho.translate(2 * r.center().x(), 0);
  espelho.scale(-1, 1);
  p.drawPath(espelho.map(esquerda));
}

QImage fundo() {
  QImage img(846, 638, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  QLinearGradient topo(0, 0, 0, 43);
  topo.setColorAt(0, kAzulClaro);
  topo.setColorAt(1, kMoldura);
  p.fillRect(0, 0, 846, 43, topo);
  p.fillRect(0, 43, 263, 595, kAzulClaro);
  p.fillRect(0, 43, 846, 6, kMoldura);
  p.setRenderHint(QPainter::Antialiasing);
  desenhaLivro(p, QRectF(12, 8, 34, 28));
  // The title ends before the file menu button (at 166).
  const QString titulo = QStringLiteral("Minivocabra");
  QFont f(QStringLiteral("DejaVu Sans"), 15, QFont::Bold);
  while (f.pointSize() > 8 && 54 + QFontMetrics(f).horizontalAdvance(titulo) > 160) f.setPointSize(f.pointSize() - 1);
  p.setFont(f);
  p.setPen(kAzulEscuro);
  p.drawText(QPointF(54, 30), titulo);
  return img;
}

QImage splash() {
  QImage img(400, 293, QImage::Format_RGB32);
  QPainter p(&img);
  QLinearGradient g(0, 0, 0, 293);
  g.setColorAt(0, Qt::white);
  g.setColorAt(1, kAzulClaro);
  p.fillRect(img.rect(), g);
  p.setPen(QPen(kMoldura, 6));
  p.drawRect(3, 3, 393, 286);
  p.setRenderHint(QPainter::Antialiasing);
  desenhaLivro(p, QRectF(150, 40, 100, 80));
  p.setPen(kAzulEscuro);
  p.setFont(QFont(QStringLiteral("DejaVu Sans"), 26, QFont::Bold));
  p.drawText(QRectF(0, 140, 400, 50), Qt::AlignCenter, QStringLiteral("Minivocabra"));
  p.setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
  p.drawText(QRectF(0, 190, 400, 30), Qt::AlignCenter, QStringLiteral("Dicionário da língua portuguesa"));
  return img;
}

QImage icone() {
  QImage img(64, 64, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(kMoldura);
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(2, 2, 60, 60, 12, 12);
  desenhaLivro(p, QRectF(10, 14, 44, 36));
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString pasta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  const bool ok = fundo().save(pasta + QStringLiteral("/FUNDO_MINI.png")) &&
                  splash().save(pasta + QStringLiteral("/SPLASH_MINI.png")) &&
                  icone().save(pasta + QStringLiteral("/ICONE.png"));
  return ok ? 0 : 1;
}
