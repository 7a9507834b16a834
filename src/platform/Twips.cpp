#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace twips {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kDefaultDpi = 96.0;

double dpi(bool horizontal) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return kDefaultDpi;
  const double value = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
  return value > 0 ? value : kDefaultDpi;
}

}  // namespace

double perPixelX() { return kTwipsPerInch / dpi(true); }
double perPixelY() { return kTwipsPerInch / dpi(false); }

}  // namespace twips
