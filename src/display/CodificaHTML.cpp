#include "CodificaHTML.h"

#include "Ansi.h"

#include <QStringView>

namespace modMain {
namespace {

void appendReference(QString& out, char32_t code) { out += QStringLiteral("&#%1;").arg(code); }

// The code point at `i`, moving `i` past it; a lone surrogate reads as the
// replacement character.
char32_t codePointAt(QStringView text, qsizetype& i) {
  const QChar c = text[i++];
  if (c.isHighSurrogate() && i < text.size() && text[i].isLowSurrogate()) {
    return QChar::surrogateToUcs4(c, text[i++]);
  }
  return c.isSurrogate() ? char32_t(0xFFFD) : char32_t(c.unicode());
}

// Whether the character is left as it is by both escapers: printable ASCII.
bool isPlain(char32_t code) { return code >= 33 && code <= 127; }

}  // namespace

QString CodificaHTML(const QString& texto) {
  QString out;
  out.reserve(texto.size() + texto.size() / 4);
  for (qsizetype i = 0; i < texto.size();) {
    const char32_t code = codePointAt(texto, i);
    switch (code) {
      case u' ': out += QLatin1String("&nbsp;"); break;
      case u'"': out += QLatin1String("&quot;"); break;
      case u'&': out += QLatin1String("&amp;"); break;
      case u'<': out += QLatin1String("&lt;"); break;
      case u'>': out += QLatin1String("&gt;"); break;
      default:
        if (isPlain(code)) out += QChar(char16_t(code));
        else appendReference(out, code);
    }
  }
  return out;
}

QString CodificaHTMLTexto(const QString& texto) {
  QString out;
  out.reserve(texto.size());
  for (qsizetype i = 0; i < texto.size();) {
    const char32_t code = codePointAt(texto, i);
    const int ansiCode = code <= 0xFFFF ? ansi::asc(QChar(char16_t(code))) : 63;
    if (ansiCode == 145 || ansiCode == 146) out += u'\'';
    else if (ansiCode == 147 || ansiCode == 148) out += u'"';
    else if (isPlain(code) || code == u'\t' || code == u' ') out += QChar(char16_t(code));
    else appendReference(out, code);
  }
  return out;
}

QString RemoveTags(const QString& texto) {
  QString out;
  out.reserve(texto.size());
  bool dentroDeTag = false;
  for (const QChar c : texto) {
    if (c == u'<') dentroDeTag = true;
    else if (c == u'>') dentroDeTag = false;
    else if (!dentroDeTag) out += c;
  }
  return out;
}

}  // namespace modMain
