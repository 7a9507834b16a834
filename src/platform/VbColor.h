#pragma once

#include <QColor>

#include <cstdint>

// Colours as the program keeps them: 32-bit integers in blue-green-red order
// (red in the low byte, written 0xBBGGRR).
namespace vb {

inline QColor toQColor(std::int32_t bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline std::int32_t fromQColor(const QColor& color) {
  return color.red() | (color.green() << 8) | (color.blue() << 16);
}

}  // namespace vb
