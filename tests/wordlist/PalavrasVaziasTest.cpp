#include "PalavrasVazias.h"

#include <gtest/gtest.h>

using namespace modMain;

TEST(PalavrasVazias, ListAndComparison) {
  EXPECT_EQ(CarregaPalavrasVazias().size(), 136);
  EXPECT_TRUE(EhPalavraVazia(QStringLiteral("De")));
  EXPECT_TRUE(EhPalavraVazia(QStringLiteral("and")));
  EXPECT_TRUE(EhPalavraVazia(QStringLiteral("nao")));
  EXPECT_FALSE(EhPalavraVazia(QStringLiteral("não")));
  EXPECT_TRUE(EhPalavraVazia(QStringLiteral("ESTÃO")));
  EXPECT_TRUE(EhPalavraVazia(QStringLiteral("q")));
  EXPECT_FALSE(EhPalavraVazia(QString()));
}

TEST(PalavrasVazias, FilterOfAFullTextQuery) {
  struct Caso {
    QString consulta;
    QString resultado;
    int pagina;  // 0: no message
    QString valor;
  };
  const Caso casos[] = {
      {QStringLiteral("a b"), QString(), 501, QString()},
      {QString(), QString(), 501, QString()},
      {QStringLiteral("de"), QString(), 502, QStringLiteral("de")},
      {QStringLiteral("de a"), QString(), 502, QStringLiteral("de a")},
      {QStringLiteral(" the "), QString(), 502, QStringLiteral(" the ")},
      {QStringLiteral("casa de pedra"), QStringLiteral("casa pedra"), 0, QString()},
      // Blanks after the first kept word are kept, one for each.
      {QStringLiteral("casa  de pedra"), QStringLiteral("casa  pedra"), 0, QString()},
      {QStringLiteral("casa  de  pedra"), QStringLiteral("casa   pedra"), 0, QString()},
      {QStringLiteral("  de casa"), QStringLiteral("casa"), 0, QString()},
  };
  for (const Caso& c : casos) {
    int pagina = 0;
    QString valor;
    const QString resultado = FiltraPalavrasVazias(c.consulta, [&](int p, const QString& v) {
      pagina = p;
      valor = v;
    });
    EXPECT_EQ(resultado, c.resultado) << qPrintable(c.consulta);
    EXPECT_EQ(pagina, c.pagina) << qPrintable(c.consulta);
    EXPECT_EQ(valor, c.valor) << qPrintable(c.consulta);
  }
}

TEST(PalavrasVazias, LongWord) {
  EXPECT_FALSE(TemPalavraLonga(QStringLiteral("a  b   c")));
  EXPECT_TRUE(TemPalavraLonga(QStringLiteral("a  bc")));
}
