#include "ResourceStrings.h"

#include <QFile>
#include <QtDebug>

namespace {

QString unescape(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const QChar next = text[++i];
    if (next == u'n') out += u'\n';
    else if (next == u'r') out += u'\r';
    else if (next == u't') out += u'\t';
    else out += next;  // "\\" and anything else: the character itself
  }
  return out;
}

}  // namespace

ResourceStrings ResourceStrings::fromText(const QByteArray& utf8) {
  ResourceStrings table;
  const QString text = QString::fromUtf8(utf8);
  for (QString line : text.split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const qsizetype tab = line.indexOf(u'\t');
    bool ok = false;
    const int id = tab > 0 ? line.left(tab).toInt(&ok) : 0;
    if (!ok) {
      qWarning("resource strings: line without an id: %s", qPrintable(line.left(40)));
      continue;
    }
    table.strings_[id] = unescape(line.mid(tab + 1));
  }
  return table;
}

const ResourceStrings& ResourceStrings::instance() {
  static const ResourceStrings table = [] {
    QFile file(QStringLiteral(":/strings/strings.txt"));
    if (!file.open(QIODevice::ReadOnly)) qFatal("resource strings: the compiled table is missing");
    return fromText(file.readAll());
  }();
  return table;
}

QString ResourceStrings::get(int id) const {
  const auto found = strings_.find(id);
  if (found != strings_.end()) return found->second;
  qWarning("resource strings: no string %d", id);
  return QString();
}

QString LoadResString(int id) { return ResourceStrings::instance().get(id); }
