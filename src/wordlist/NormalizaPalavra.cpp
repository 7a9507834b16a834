#include "NormalizaPalavra.h"

#include "Ansi.h"
#include "Trim.h"

namespace modMain {
namespace {

// Key characters for the ANSI codes 192 to 255.
constexpr char16_t kDobra[] = u"aaaaaa-ceeeeiiii--ooooo--uuuu---aaaaaa-ceeeeiiii--ooooo--uuuu---";
constexpr int kTamanhoChave = 50;

}  // namespace

bool EhSeparador(QChar c) {
  switch (c.unicode()) {
    case u'-': case u' ': case u'\'': case u'(': case u')': case u'\\': case u'/': case 176:
    case u'.': case u'?': case u'!': case u':': case u'*': case u'~': case 160:
      return true;
    default:
      return c.unicode() == 0x0178;  // code 159 of the ANSI page
  }
}

QString NormalizaPalavra(const QString& palavra) {
  QString chave(kTamanhoChave, u' ');
  int p = 0;
  for (const QChar c : palavra) {
    if (p >= kTamanhoChave) break;
    const int codigo = ansi::asc(c);
    chave[p] = codigo >= 192 ? QChar(kDobra[codigo - 192]) : c;
    if (EhSeparador(c)) {
      chave[p] = u' ';
    } else {
      ++p;
    }
  }
  // Lower case can lengthen a character ("İ" becomes "i" and a dot above),
  // so the key is cut after it.
  return trim::blanks(chave).toLower().left(kTamanhoChave);
}

QString CortaEmNbsp(const QString& texto) {
  const qsizetype nbsp = texto.indexOf(QChar(160));
  return nbsp < 0 ? texto : texto.left(nbsp);
}

}  // namespace modMain
