#include "Trim.h"

#include <gtest/gtest.h>

TEST(Trim, TakesOffBlanksOnlyAtBothEnds) {
  const QString nbsp(QChar(160));
  const std::pair<QString, QString> cases[] = {
      {QStringLiteral("  casa  "), QStringLiteral("casa")},
      {QStringLiteral(" a b "), QStringLiteral("a b")},
      {QStringLiteral("   "), QString()},
      {QString(), QString()},
      {QStringLiteral("\tcasa"), QStringLiteral("\tcasa")},
      {QStringLiteral(" casa\r\n "), QStringLiteral("casa\r\n")},
      {QStringLiteral(" :") + nbsp, QStringLiteral(":") + nbsp},
      {nbsp + nbsp, nbsp + nbsp},
  };
  for (const auto& [text, trimmed] : cases) EXPECT_EQ(trim::blanks(text), trimmed) << qPrintable(text);
}
