#include "PageFile.h"

#include "Ansi.h"
#include "RegularFile.h"

#include <QRegularExpression>

namespace pagefile {

QString decode(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
  static const QRegularExpression utf8Meta(QStringLiteral(R"(charset\s*=\s*["']?\s*utf-?8)"),
                                           QRegularExpression::CaseInsensitiveOption);
  if (utf8Meta.match(QString::fromLatin1(bytes.left(2048))).hasMatch()) return QString::fromUtf8(bytes);
  return ansi::toUnicode(bytes);
}

std::optional<QString> read(const QString& path, qint64 largest) {
  const files::ReadResult contents = files::readRegular(path, largest + 1);
  if (contents.status != files::ReadStatus::Read || contents.bytes.size() > largest) return std::nullopt;
  return decode(contents.bytes);
}

}  // namespace pagefile
