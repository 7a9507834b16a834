#include "CodificaHTML.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  QString in;
  QString out;
};

TEST(CodificaHTML, EscapesForLiteralDisplay) {
  const Case cases[] = {
      {QString(), QString()},
      {QStringLiteral("a b"), QStringLiteral("a&nbsp;b")},
      {QStringLiteral("ç"), QStringLiteral("&#231;")},
      {QStringLiteral("\t"), QStringLiteral("&#9;")},
      {QStringLiteral("<script>\"x\"&y</script>"),
       QStringLiteral("&lt;script&gt;&quot;x&quot;&amp;y&lt;/script&gt;")},
      {QStringLiteral("\u201Cé\u201D \u20AC"), QStringLiteral("&#8220;&#233;&#8221;&nbsp;&#8364;")},
      {QStringLiteral("a\nz~\x7F"), QStringLiteral("a&#10;z~\x7F")},
      {QStringLiteral("\U0001F600"), QStringLiteral("&#128512;")},
  };
  for (const Case& c : cases) EXPECT_EQ(modMain::CodificaHTML(c.in), c.out) << c.in.toStdString();
}

TEST(CodificaHTMLTexto, KeepsMarkupAndPlainQuotesTypographicOnes) {
  const Case cases[] = {
      {QString(), QString()},
      {QStringLiteral("<b>\u00E9</b>"), QStringLiteral("<b>&#233;</b>")},
      {QStringLiteral("a\tb c"), QStringLiteral("a\tb c")},
      {QStringLiteral("\u201Cx\u201D \u2018y\u2019"), QStringLiteral("\"x\" 'y'")},
      {QStringLiteral("<span id=\"D\">&nbsp;</span>\r\n"), QStringLiteral("<span id=\"D\">&nbsp;</span>&#13;&#10;")},
      {QStringLiteral("\u20AC\u00A0"), QStringLiteral("&#8364;&#160;")},
  };
  for (const Case& c : cases) EXPECT_EQ(modMain::CodificaHTMLTexto(c.in), c.out) << c.in.toStdString();
}

TEST(RemoveTags, DropsTagsAndStrayClosingBrackets) {
  const Case cases[] = {
      {QString(), QString()},
      {QStringLiteral("a<b>c</b>d"), QStringLiteral("acd")},
      {QStringLiteral("1 > 0"), QStringLiteral("1  0")},
      {QStringLiteral("x<y"), QStringLiteral("x")},
      {QStringLiteral("sem marcas &nbsp; aqui"), QStringLiteral("sem marcas &nbsp; aqui")},
  };
  for (const Case& c : cases) EXPECT_EQ(modMain::RemoveTags(c.in), c.out) << c.in.toStdString();
}

}  // namespace
