#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The number conventions of the program's settings and texts.
namespace num {

// Lenient reading: leading blanks skipped, the longest leading decimal number
// taken ("12abc" is 12, " -3.5" is -3.5), 0 when the text has none.
double val(const QString& text);

// Strict reading: the whole text, blanks around it aside, must be a decimal
// number; nothing otherwise.
std::optional<double> strict(const QString& text);

// Strict reading of a whole number from `lowest` to `highest`: a strict
// number taken to the nearest integer, halves to the even one; nothing when
// the text is no number or the integer lies outside the range.
std::optional<std::int32_t> strictWhole(const QString& text, std::int32_t lowest, std::int32_t highest);

// To the nearest integer, halves to the even one, clamped to 32 bits.
std::int32_t roundEven(double value);

// A 32-bit number's text with a blank before it when it is not negative:
// " 1200", "-30" (the Str form the window geometry is stored in).
QString strWithSign(std::int32_t value);

}  // namespace num
