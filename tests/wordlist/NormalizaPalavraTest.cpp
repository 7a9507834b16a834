#include "NormalizaPalavra.h"

#include <gtest/gtest.h>

TEST(NormalizaPalavra, FoldsAccentsCaseAndSeparators) {
  const std::pair<QString, QString> cases[] = {
      {QStringLiteral("Pé-de-Moleque"), QStringLiteral("pedemoleque")},
      {QStringLiteral("ÁGUA"), QStringLiteral("agua")},
      {QStringLiteral("Ñandu"), QStringLiteral("-andu")},
      {QStringLiteral("manga") + QChar(160) + u'2', QStringLiteral("manga2")},
      {QStringLiteral("- ./:"), QString()},
      {QStringLiteral("d'água (pop.)"), QStringLiteral("daguapop")},
      {QStringLiteral("  Coração  "), QStringLiteral("coracao")},
      {QStringLiteral("\tcasa"), QStringLiteral("\tcasa")},  // only blanks are trimmed
      {QStringLiteral("x") + QChar(0x0178) + QStringLiteral("y°z"), QStringLiteral("xyz")},
      {QStringLiteral("ªº§"), QStringLiteral("ªº§")},  // codes 128-191 stay
  };
  for (const auto& [word, key] : cases) EXPECT_EQ(modMain::NormalizaPalavra(word), key) << qPrintable(word);
}

TEST(NormalizaPalavra, KeepsAtMostFiftyCharacters) {
  EXPECT_EQ(modMain::NormalizaPalavra(QString(60, u'A')), QString(50, u'a'));
  EXPECT_EQ(modMain::NormalizaPalavra(QString(49, u'a') + QStringLiteral("-bc")), QString(49, u'a') + u'b');
  // A capital whose lower case is two characters long.
  EXPECT_EQ(modMain::NormalizaPalavra(QString(100, QChar(0x0130))).size(), 50);
}

TEST(CortaEmNbsp, CutsAtTheHomographMark) {
  EXPECT_EQ(modMain::CortaEmNbsp(QStringLiteral("manga") + QChar(160) + u'2'), QStringLiteral("manga"));
  EXPECT_EQ(modMain::CortaEmNbsp(QStringLiteral("casa")), QStringLiteral("casa"));
}
