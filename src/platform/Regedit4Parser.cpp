#include "Regedit4Parser.h"

#include <QList>

#include <cstring>

namespace reg::regedit4 {
namespace {

QByteArray quote(const QByteArray& bytes) {
  QByteArray out = "\"";
  for (const char c : bytes) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + '"';
}

bool isPlainString(const RegistryValue& v) {
  if (v.type != REG_SZ || !v.data.endsWith('\0')) return false;
  const QByteArray text = v.data.left(v.data.size() - 1);
  return !text.contains('\0') && !text.contains('\n') && !text.contains('\r');
}

QByteArray hexList(const QByteArray& data) {
  QByteArray out;
  for (qsizetype i = 0; i < data.size(); ++i) {
    if (i > 0) out += (i % 24 == 0) ? ",\\\n  " : ",";
    out += data.mid(i, 1).toHex();
  }
  return out;
}

// Reads a quoted string starting at `pos` (on the opening quote); leaves
// `pos` after the closing quote.
bool readQuoted(const QByteArray& line, qsizetype& pos, QByteArray& out) {
  if (pos >= line.size() || line[pos] != '"') return false;
  for (++pos; pos < line.size(); ++pos) {
    const char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c == '\\') {
      if (pos + 1 >= line.size() || (line[pos + 1] != '\\' && line[pos + 1] != '"')) return false;
      ++pos;
    }
    out += line[pos];
  }
  return false;
}

bool readHexBytes(const QByteArray& list, QByteArray& out) {
  for (const QByteArray& item : list.split(',')) {
    const QByteArray digits = item.trimmed();
    if (digits.isEmpty() && list.trimmed().isEmpty()) return true;
    bool ok = false;
    const int byte = digits.toInt(&ok, 16);
    if (!ok || digits.size() > 2 || byte < 0 || byte > 255) return false;
    out += static_cast<char>(byte);
  }
  return true;
}

bool readData(const QByteArray& text, RegistryValue& v) {
  qsizetype pos = 0;
  if (text.startsWith('"')) {
    QByteArray chars;
    if (!readQuoted(text, pos, chars) || !text.mid(pos).trimmed().isEmpty()) return false;
    v.type = REG_SZ;
    v.data = chars + '\0';
    return true;
  }
  if (text.startsWith("dword:")) {
    const QByteArray digits = text.mid(6).trimmed();
    bool ok = false;
    const quint32 number = digits.toUInt(&ok, 16);
    if (!ok || digits.size() != 8) return false;
    v.type = REG_DWORD;
    v.data = QByteArray(reinterpret_cast<const char*>(&number), 4);
    return true;
  }
  qsizetype colon = text.indexOf(':');
  if (colon < 0) return false;
  const QByteArray kind = text.left(colon);
  if (kind == "hex") {
    v.type = 3;  // REG_BINARY
  } else if (kind.startsWith("hex(") && kind.endsWith(')')) {
    bool ok = false;
    v.type = kind.mid(4, kind.size() - 5).toUInt(&ok, 16);
    if (!ok) return false;
  } else {
    return false;
  }
  return readHexBytes(text.mid(colon + 1), v.data);
}

class LineReader {
 public:
  explicit LineReader(const QByteArray& text) : lines_(text.split('\n')) {}
  bool next(QByteArray& line) {
    if (index_ >= lines_.size()) return false;
    line = lines_[index_++];
    if (line.endsWith('\r')) line.chop(1);
    return true;
  }
  int number() const { return static_cast<int>(index_); }

 private:
  QList<QByteArray> lines_;
  qsizetype index_ = 0;
};

}  // namespace

QByteArray formatValue(const RegistryValue& v) {
  QByteArray line = v.name.isEmpty() ? QByteArray("@") : quote(v.name);
  line += '=';
  if (isPlainString(v)) return line + quote(v.data.left(v.data.size() - 1));
  if (v.type == REG_DWORD && v.data.size() == 4) {
    quint32 number = 0;
    std::memcpy(&number, v.data.constData(), 4);
    return line + "dword:" + QByteArray::number(number, 16).rightJustified(8, '0');
  }
  line += v.type == 3 ? QByteArray("hex:") : "hex(" + QByteArray::number(v.type, 16) + "):";
  return line + hexList(v.data);
}

bool parse(const QByteArray& text, const QByteArray& rootName, const Sink& sink, ParseError* error) {
  using Kind = ParseError::Kind;
  LineReader reader(text);
  auto fail = [&](Kind why) {
    if (error != nullptr) *error = ParseError{why, reader.number()};
    return false;
  };
  QByteArray line;
  bool header = false;
  bool inKey = false;
  QByteArray path;
  while (reader.next(line)) {
    const QByteArray trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(';')) continue;
    if (!header) {
      if (trimmed != "REGEDIT4") return fail(Kind::NoHeader);
      header = true;
      continue;
    }
    if (trimmed.startsWith('[')) {
      if (!trimmed.endsWith(']')) return fail(Kind::UnclosedKey);
      const QByteArray full = trimmed.mid(1, trimmed.size() - 2);
      const bool rootOnly = full.compare(rootName, Qt::CaseInsensitive) == 0;
      if (!rootOnly && !full.toUpper().startsWith(rootName.toUpper() + '\\'))
        return fail(Kind::ForeignKey);
      path = rootOnly ? QByteArray() : full.mid(rootName.size() + 1);
      sink.key(path);
      inKey = true;
      continue;
    }
    if (!inKey) return fail(Kind::ValueBeforeKey);
    RegistryValue v;
    qsizetype pos = 0;
    if (trimmed.startsWith('@')) {
      pos = 1;
    } else if (!readQuoted(trimmed, pos, v.name)) {
      return fail(Kind::BadValueName);
    }
    if (pos >= trimmed.size() || trimmed[pos] != '=') return fail(Kind::NoEquals);
    QByteArray data = trimmed.mid(pos + 1).trimmed();
    while (data.endsWith('\\') && !data.startsWith('"')) {
      data.chop(1);
      if (!reader.next(line)) return fail(Kind::ContinuedAtEnd);
      data += line.trimmed();
    }
    if (!readData(data, v)) return fail(Kind::BadData);
    sink.value(path, std::move(v));
  }
  if (!header) return fail(Kind::NoHeader);
  return true;
}

}  // namespace reg::regedit4
