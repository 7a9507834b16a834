#include "Screen.h"

#include "Twips.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

namespace scr {
namespace {

// How far a docked taskbar reaches past the screen's edges.
constexpr int kOverhang = 2;

QRect screenGeometry(bool available) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return QRect(0, 0, 1024, 768);
  return available ? screen->availableGeometry() : screen->geometry();
}

}  // namespace

QSize QtScreen::sizePixels() const { return screenGeometry(false).size(); }
double QtScreen::twipsPerPixelX() const { return twips::perPixelX(); }
double QtScreen::twipsPerPixelY() const { return twips::perPixelY(); }

QRect QtScreen::taskbarRect(const QRect& screen, const QRect& available) {
  const int w = screen.width();
  const int h = screen.height();
  const int left = available.left() - screen.left();
  const int top = available.top() - screen.top();
  const int right = screen.right() - available.right();
  const int bottom = screen.bottom() - available.bottom();
  auto rect = [](int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r, b)); };
  if (bottom > 0) return rect(-kOverhang, h - bottom, w + kOverhang, h + kOverhang);
  if (top > 0) return rect(-kOverhang, -kOverhang, w + kOverhang, top);
  if (left > 0) return rect(-kOverhang, -kOverhang, left, h + kOverhang);
  if (right > 0) return rect(w - right, -kOverhang, w + kOverhang, h + kOverhang);
  return QRect();
}

std::uint32_t QtScreen::SHAppBarMessage(std::uint32_t message, APPBARDATA& data) const {
  const QRect bar = taskbarRect(screenGeometry(false), screenGeometry(true));
  if (message == ABM_GETSTATE) return bar.isNull() ? 0 : ABS_ALWAYSONTOP;
  if (message != ABM_GETTASKBARPOS || bar.isNull()) return 0;
  data.rc = bar;
  return 1;
}

QPoint QtScreen::cursorPos() const { return QCursor::pos(); }

bool QtScreen::capsLock() const {
  // Qt reports no lock-key state; the kernel shows each keyboard's Caps Lock
  // light as an LED. No keyboard with one reads as off.
  const QDir leds(QStringLiteral("/sys/class/leds"));
  for (const QString& led : leds.entryList({QStringLiteral("*capslock*")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile brilho(leds.filePath(led) + QStringLiteral("/brightness"));
    if (brilho.open(QIODevice::ReadOnly) && brilho.readAll().trimmed().toInt() > 0) return true;
  }
  return false;
}

}  // namespace scr
