#include "PageFile.h"

#include "Ansi.h"

#include <QFile>
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
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.read(largest + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > largest) return std::nullopt;
  return decode(bytes);
}

}  // namespace pagefile
