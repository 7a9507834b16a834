#include "Ansi.h"

#include <array>

namespace ansi {
namespace {

// Windows-1252 codes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr int kUnmapped = '?';

}  // namespace

QChar chr(int code) {
  const int byte = ((code % 256) + 256) % 256;
  if (byte >= 0x80 && byte <= 0x9F) return QChar(kHighControls[byte - 0x80]);
  return QChar(static_cast<char16_t>(byte));
}

int asc(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == u) return static_cast<int>(0x80 + i);
  }
  return kUnmapped;
}

QString toUnicode(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (const char b : bytes) *out++ = chr(static_cast<unsigned char>(b));
  return text;
}

QByteArray fromUnicode(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    // A character outside the Basic Multilingual Plane is one "?", not two.
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    bytes.append(static_cast<char>(asc(text[i])));
  }
  return bytes;
}

}  // namespace ansi
