#include "Numbers.h"

#include <gtest/gtest.h>

TEST(Numbers, LenientTakesTheLeadingNumber) {
  const std::pair<const char*, double> cases[] = {
      {"12", 12},   {" 1200", 1200}, {"-30", -30},   {"12abc", 12}, {"abc", 0},
      {"", 0},      {"  -3.5x", -3.5}, {"1.", 1},    {".5", 0.5},   {"- 3", 0},
  };
  for (const auto& [text, expected] : cases) EXPECT_DOUBLE_EQ(num::val(QString::fromLatin1(text)), expected) << text;
}

TEST(Numbers, StrictNeedsTheWholeText) {
  EXPECT_EQ(num::strict(QStringLiteral(" 6 ")), 6.0);
  EXPECT_EQ(num::strict(QStringLiteral("-12.5")), -12.5);
  EXPECT_FALSE(num::strict(QStringLiteral("6a")).has_value());
  EXPECT_FALSE(num::strict(QString()).has_value());
  EXPECT_FALSE(num::strict(QStringLiteral("-")).has_value());
  EXPECT_EQ(num::strictWhole(QStringLiteral("2.5"), 0, 9), 2);
  EXPECT_EQ(num::strictWhole(QStringLiteral("9.4"), 0, 9), 9);
  EXPECT_FALSE(num::strictWhole(QStringLiteral("9.5"), 0, 9).has_value());
  EXPECT_FALSE(num::strictWhole(QStringLiteral("abc"), 0, 9).has_value());
}

TEST(Numbers, RoundsHalvesToEvenAndFormatsWithSign) {
  EXPECT_EQ(num::roundEven(2.5), 2);
  EXPECT_EQ(num::roundEven(3.5), 4);
  EXPECT_EQ(num::roundEven(-2.5), -2);
  EXPECT_EQ(num::roundEven(1e12), INT32_MAX);
  EXPECT_EQ(num::strWithSign(1200), QStringLiteral(" 1200"));
  EXPECT_EQ(num::strWithSign(0), QStringLiteral(" 0"));
  EXPECT_EQ(num::strWithSign(-30), QStringLiteral("-30"));
}
