#pragma once

// What the fuzz targets share: their input as text, and the check that ends
// a run when a property the code promises does not hold, so the fuzzer
// keeps the input as a crash.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline QByteArray bytes(const std::uint8_t* data, std::size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The input read as UTF-8 (malformed sequences become U+FFFD).
inline QString text(const std::uint8_t* data, std::size_t size) {
  return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The input's lines, for targets that take more than one text.
inline QStringList lines(const std::uint8_t* data, std::size_t size) {
  return text(data, size).split(u'\n');
}

inline void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

}  // namespace fuzz
