#include "TextFold.h"

#include <array>

namespace textfold {
namespace {

QChar foldSlow(QChar c) {
  QChar base = c;
  if (c.decompositionTag() == QChar::Canonical) {
    const QString parts = c.decomposition();
    if (!parts.isEmpty()) base = parts.front();
  }
  return base.toCaseFolded();
}

// The Latin letters of Portuguese text, folded once.
constexpr char16_t kTableSize = 0x250;

const std::array<char16_t, kTableSize>& table() {
  static const std::array<char16_t, kTableSize> folded = [] {
    std::array<char16_t, kTableSize> t{};
    for (char16_t c = 0; c < kTableSize; ++c) t[c] = foldSlow(QChar(c)).unicode();
    return t;
  }();
  return folded;
}

}  // namespace

QChar fold(QChar c) { return c.unicode() < kTableSize ? QChar(table()[c.unicode()]) : foldSlow(c); }

QString fold(QStringView text) {
  QString out(text.size(), Qt::Uninitialized);
  QChar* data = out.data();
  for (qsizetype i = 0; i < text.size(); ++i) data[i] = fold(text[i]);
  return out;
}

}  // namespace textfold
