// Draws the skins of the window's buttons into resources/images: each button
// in its normal look, its hover look ("SELECIONADO") and, for the two menu
// buttons, the look while their menu is open ("MENU"); the resize grip; and
// the caption above the note box, with the note button's pencil.
// Run by hand when the designs change:
//   build/bin/desenha_botoes resources/images
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

const QColor kMoldura(140, 162, 199);  // the frame colour
const QColor kAzulEscuro(38, 64, 117);
const QColor kAzulClaro(222, 230, 243);

enum class Aspecto { Normal, Selecionado, Menu };

using Desenho = std::function<void(QPainter&, const QRectF&, const QColor&)>;

// The button's face: nothing (the window shows through) when normal, a
// rounded plate when hovered, a darker one while its menu is open.
QImage botao(int largura, int altura, Aspecto aspecto, const Desenho& simbolo) {
  QImage img(largura, altura, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, largura - 1.0, altura - 1.0);
  QColor tinta = kAzulEscuro;
  if (aspecto == Aspecto::Selecionado) {
    p.setPen(QPen(kAzulEscuro, 1));
    p.setBrush(kAzulClaro);
    p.drawRoundedRect(r, 3, 3);
  } else if (aspecto == Aspecto::Menu) {
    p.setPen(QPen(kAzulEscuro, 1));
    p.setBrush(kAzulEscuro);
    p.drawRoundedRect(r, 3, 3);
    tinta = Qt::white;
  }
  simbolo(p, r, tinta);
  return img;
}

Desenho texto(const QString& rotulo) {
  return [rotulo](QPainter& p, const QRectF& r, const QColor& tinta) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(tinta);
    p.drawText(r, Qt::AlignCenter, rotulo);
  };
}

void casa(QPainter& p, const QRectF& r, const QColor& tinta) {
  const double x = r.left(), y = r.top(), w = r.width(), h = r.height();
  QPainterPath telhado;
  telhado.moveTo(x + w * 0.15, y + h * 0.5);
  telhado.lineTo(x + w * 0.5, y + h * 0.18);
  telhado.lineTo(x + w * 0.85, y + h * 0.5);
  p.setPen(QPen(tinta, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(telhado);
  p.drawRect(QRectF(x + w * 0.27, y + h * 0.48, w * 0.46, h * 0.34));
  p.fillRect(QRectF(x + w * 0.44, y + h * 0.62, w * 0.12, h * 0.2), tinta);
}

Desenho seta(bool esquerda) {
  return [esquerda](QPainter& p, const QRectF& r, const QColor& tinta) {
    const double cx = r.center().x(), cy = r.center().y(), d = esquerda ? -1 : 1;
    QPainterPath ponta;
    ponta.moveTo(cx + d * 7, cy);
    ponta.lineTo(cx - d * 1, cy - 7);
    ponta.lineTo(cx - d * 1, cy + 7);
    ponta.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(tinta);
    p.drawPath(ponta);
    p.fillRect(QRectF(cx - d * 7, cy - 2.5, d * 7, 5).normalized(), tinta);
  };
}

// The display models: three pages with more or fewer lines of text.
Desenho visual(int modelo) {
  return [modelo](QPainter& p, const QRectF& r, const QColor& tinta) {
    const QRectF folha(r.left() + 5, r.top() + 3, r.width() - 10, r.height() - 6);
    p.setPen(QPen(tinta, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(folha);
    const int linhas = 5 - modelo;
    for (int i = 0; i < linhas; ++i) {
      const double y = folha.top() + 4 + i * 3.5;
      const double fim = (i % 2 == 1) ? folha.right() - 5 : folha.right() - 3;
      p.drawLine(QPointF(folha.left() + 3, y), QPointF(fim, y));
    }
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(8);
    f.setBold(true);
    p.setFont(f);
    p.setPen(tinta);
    p.drawText(QRectF(folha.left(), folha.bottom() - 9, folha.width() - 1, 9), Qt::AlignRight,
               QString::number(modelo));
  };
}

void impressora(QPainter& p, const QRectF& r, const QColor& tinta) {
  const double x = r.left(), y = r.top();
  p.setPen(QPen(tinta, 1.4));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(x + 8, y + 4, 9, 6));
  p.setBrush(tinta);
  p.drawRoundedRect(QRectF(x + 4, y + 10, 17, 8), 1.5, 1.5);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(x + 8, y + 15, 9, 6));
}

void lapis(QPainter& p, const QRectF& r, const QColor& tinta) {
  p.save();
  p.translate(r.center());
  p.rotate(-45);
  p.setPen(QPen(tinta, 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(-7, -3, 12, 6));
  QPainterPath ponta;
  ponta.moveTo(5, -3);
  ponta.lineTo(10, 0);
  ponta.lineTo(5, 3);
  ponta.closeSubpath();
  p.setBrush(tinta);
  p.drawPath(ponta);
  p.restore();
}

void minimizar(QPainter& p, const QRectF& r, const QColor& tinta) {
  p.fillRect(QRectF(r.left() + 4, r.bottom() - 6, r.width() - 8, 2.5), tinta);
}

void maximizar(QPainter& p, const QRectF& r, const QColor& tinta) {
  p.setPen(QPen(tinta, 1.2));
  p.setBrush(Qt::NoBrush);
  const QRectF caixa(r.left() + 4, r.top() + 4, r.width() - 8, r.height() - 8);
  p.drawRect(caixa);
  p.fillRect(QRectF(caixa.left(), caixa.top(), caixa.width(), 2.5), tinta);
}

void restaurar(QPainter& p, const QRectF& r, const QColor& tinta) {
  p.setPen(QPen(tinta, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(r.left() + 6, r.top() + 3, 7, 7));
  const QRectF frente(r.left() + 3, r.top() + 6, 7, 7);
  p.fillRect(frente, kAzulClaro);
  p.drawRect(frente);
}

void fechar(QPainter& p, const QRectF& r, const QColor& tinta) {
  p.setPen(QPen(tinta, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(r.left() + 4.5, r.top() + 4.5), QPointF(r.right() - 4.5, r.bottom() - 4.5));
  p.drawLine(QPointF(r.right() - 4.5, r.top() + 4.5), QPointF(r.left() + 4.5, r.bottom() - 4.5));
}

// The resize grip: three diagonal rows of dots in the bottom-right corner.
QImage redimensionar() {
  QImage img(24, 23, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  for (int fila = 0; fila < 3; ++fila) {
    for (int i = 0; i <= fila; ++i) {
      const int x = 19 - i * 5;
      const int y = 18 - (fila - i) * 5;
      p.fillRect(x, y, 3, 3, kMoldura);
      p.fillRect(x, y, 2, 2, kAzulEscuro);
    }
  }
  return img;
}

// The caption above the note box: the pencil of the note button, then the
// word, in the largest type up to 11 pixels that fits beside it.
QImage legendaNota() {
  QImage img(74, 22, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.save();
  p.translate(6.5, 11);
  p.scale(0.85, 0.85);  // 13 pixels across, leaving room for the word
  lapis(p, QRectF(-12.5, -12.5, 25, 25), kAzulEscuro);
  p.restore();
  const QString rotulo = QStringLiteral("Anotações");
  const QRectF lugar(15.5, 0, img.width() - 15.5, img.height());
  QFont f(QStringLiteral("DejaVu Sans"));
  for (int tamanho = 11; tamanho >= 8; --tamanho) {
    f.setPixelSize(tamanho);
    if (QFontMetricsF(f).horizontalAdvance(rotulo) <= lugar.width()) break;
  }
  p.setFont(f);
  p.setPen(kAzulEscuro);
  p.drawText(lugar, Qt::AlignLeft | Qt::AlignVCenter, rotulo);
  return img;
}

bool grava(const QImage& img, const QString& pasta, const QString& nome) {
  const bool ok = img.save(pasta + u'/' + nome + QStringLiteral(".png"));
  if (!ok) std::fprintf(stderr, "cannot write %s\n", qPrintable(nome));
  return ok;
}

bool gravaBotao(const QString& pasta, const QString& nome, QSize tamanho, const Desenho& simbolo, bool comMenu = false) {
  bool ok = grava(botao(tamanho.width(), tamanho.height(), Aspecto::Normal, simbolo), pasta, nome);
  ok = grava(botao(tamanho.width(), tamanho.height(), Aspecto::Selecionado, simbolo), pasta,
             nome + QStringLiteral("SELECIONADO")) && ok;
  if (comMenu)
    ok = grava(botao(tamanho.width(), tamanho.height(), Aspecto::Menu, simbolo), pasta, nome + QStringLiteral("MENU")) &&
         ok;
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: desenha_botoes <folder>\n");
    return 2;
  }
  const QString pasta = QString::fromLocal8Bit(argv[1]);
  bool ok = gravaBotao(pasta, QStringLiteral("BTNARQUIVO"), {43, 17}, texto(QStringLiteral("Arquivo")), true);
  ok = gravaBotao(pasta, QStringLiteral("BTNAJUDA"), {34, 18}, texto(QStringLiteral("Ajuda")), true) && ok;
  ok = gravaBotao(pasta, QStringLiteral("BTNCASA"), {26, 26}, casa) && ok;
  ok = gravaBotao(pasta, QStringLiteral("BTNSETAESQUERDA"), {26, 23}, seta(true)) && ok;
  ok = gravaBotao(pasta, QStringLiteral("BTNSETADIREITA"), {26, 23}, seta(false)) && ok;
  for (int n = 1; n <= 3; ++n)
    ok = gravaBotao(pasta, QStringLiteral("BTNVISUAL%1").arg(n), {25, 25}, visual(n)) && ok;
  ok = gravaBotao(pasta, QStringLiteral("BTNPRINTER"), {25, 25}, impressora) && ok;
  ok = gravaBotao(pasta, QStringLiteral("BTNLAPIS"), {25, 25}, lapis) && ok;
  ok = gravaBotao(pasta, QStringLiteral("BTNMINIMIZAR"), {17, 17}, minimizar) && ok;
  ok = gravaBotao(pasta, QStringLiteral("BTNMAXIMIZAR"), {17, 17}, maximizar) && ok;
  ok = gravaBotao(pasta, QStringLiteral("BTNRESTAURAR"), {17, 17}, restaurar) && ok;
  ok = gravaBotao(pasta, QStringLiteral("BTNFECHAR"), {17, 17}, fechar) && ok;
  ok = grava(redimensionar(), pasta, QStringLiteral("RESIZE")) && ok;
  ok = grava(legendaNota(), pasta, QStringLiteral("ANOTACOES")) && ok;
  return ok ? 0 : 1;
}
