#include "Numbers.h"

#include <cmath>
#include <limits>

namespace num {
namespace {

// Length of the decimal number at the start of `text` from `pos`; 0 when none.
qsizetype numberLength(const QString& text, qsizetype pos) {
  qsizetype end = pos;
  if (end < text.size() && (text[end] == u'+' || text[end] == u'-')) ++end;
  const qsizetype digitsStart = end;
  while (end < text.size() && text[end].isDigit() && text[end].unicode() < 128) ++end;
  qsizetype digits = end - digitsStart;
  if (end < text.size() && text[end] == u'.') {
    qsizetype fraction = end + 1;
    while (fraction < text.size() && text[fraction].isDigit() && text[fraction].unicode() < 128) ++fraction;
    digits += fraction - end - 1;
    if (fraction - end > 1 || digits > 0) end = fraction;
  }
  return digits > 0 ? end - pos : 0;
}

}  // namespace

double val(const QString& text) {
  qsizetype pos = 0;
  while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t')) ++pos;
  const qsizetype length = numberLength(text, pos);
  return length == 0 ? 0.0 : text.mid(pos, length).toDouble();
}

std::optional<double> strict(const QString& text) {
  const QString trimmed = text.trimmed();
  const qsizetype length = numberLength(trimmed, 0);
  if (length == 0 || length != trimmed.size()) return std::nullopt;
  return trimmed.toDouble();
}

std::optional<std::int32_t> strictWhole(const QString& text, std::int32_t lowest, std::int32_t highest) {
  const std::optional<double> value = strict(text);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  const double whole = std::nearbyint(*value);  // default rounding mode: halves to even
  if (whole < lowest || whole > highest) return std::nullopt;
  return static_cast<std::int32_t>(whole);
}

std::int32_t roundEven(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);  // default rounding mode: halves to even
  if (rounded >= std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (rounded <= std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(rounded);
}

QString strWithSign(std::int32_t value) {
  return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

}  // namespace num
