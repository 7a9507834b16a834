#include "NormalizaPalavra.h"
#include "PageDocument.h"
#include "TermosTexto.h"
#include "TextRange.h"

#include <gtest/gtest.h>

namespace {

// Text with the characters where splitting into words could go either way:
// hyphen, apostrophes, digits, accented and decomposed letters, the
// Windows-1252 codes 128-159 (letters among them, such as Š, Œ, ž, Ÿ, and
// punctuation, such as the curly quotes, dashes and €), and the
// non-breaking space before a homograph number.
QString TextoDificil() {
  return QString::fromUtf8(
      "Guarda-chuva d'água d\u2019água 1990 3º ½ AÇÃO nai\u0308ve Œuvre ŠKODA žito ƒ \u201Easpas\u201C "
      "\u2018x\u2019 a\u2013b c\u2014d e\u2026 \u2022 5\u20AC \u2122 \u02C6 \u02DC "
      "manga\u00A02 casa\u01782 fim.");
}

// The words a page's text range finds: from each place where Expand "word"
// starts a word, that word without its trailing blanks, folded as the
// highlighting compares it.
QStringList PalavrasDaPagina(const QString& texto) {
  PageDocument pagina;
  pagina.load(QStringLiteral("<body>") + texto.toHtmlEscaped() + QStringLiteral("</body>"));
  QStringList palavras;
  for (qsizetype i = 0; i < pagina.text().size(); ++i) {
    TextRange r(pagina, i, i);
    r.expand(TextRange::Unit::Word);
    if (r.start() != i) continue;
    const QString chave = modMain::NormalizaPalavra(r.text());
    if (!chave.isEmpty()) palavras.append(chave);
  }
  return palavras;
}

TEST(PalavrasDoTexto, TheIndexAndThePageTakeTheSameWords) {
  const QString texto = TextoDificil();
  EXPECT_EQ(dicionario::termosDoTexto(texto), PalavrasDaPagina(texto));
}

TEST(PalavrasDoTexto, TrickyCharactersSplitOrJoinAsExpected) {
  EXPECT_EQ(dicionario::termosDoTexto(TextoDificil()),
            QString::fromUtf8("guarda chuva d agua d agua 1990 3º ½ acao nai\u0308ve œuvre škoda žito ƒ aspas x a b c d e "
                              "5 ˆ manga 2 casa2 fim")
                .split(u' '));
}

}  // namespace
