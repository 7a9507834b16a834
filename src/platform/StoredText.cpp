#include "StoredText.h"

#include "Ansi.h"

#include <QStringDecoder>

namespace storedtext {

QByteArray encode(const QString& text) { return text.toUtf8(); }

QString decode(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  QString text = utf8.decode(bytes);
  return utf8.hasError() ? ansi::toUnicode(bytes) : text;
}

}  // namespace storedtext
