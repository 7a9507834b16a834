#include "Screen.h"

#include "Twips.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

namespace scr {
namespace {

QRect screenGeometry(bool available) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return QRect(0, 0, 1024, 768);
  return available ? screen->availableGeometry() : screen->geometry();
}

}  // namespace

QSize QtScreen::sizePixels() const { return screenGeometry(false).size(); }
double QtScreen::twipsPerPixelX() const { return twips::perPixelX(); }
double QtScreen::twipsPerPixelY() const { return twips::perPixelY(); }

QRect QtScreen::workArea() const { return screenGeometry(true); }

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
