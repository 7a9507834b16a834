#include "PageDocument.h"
#include "TextRange.h"

#include <gtest/gtest.h>

namespace {

class TextRangeTest : public ::testing::Test {
 protected:
  TextRangeTest() { doc.load(QStringLiteral("<body>A Casa e a CASARÃO, coração. Ação!</body>")); }
  PageDocument doc;
};

TEST_F(TextRangeTest, FindIgnoresCaseAndAccentsAndMovesOn) {
  TextRange r = doc.createRange();
  r.expand(TextRange::Unit::TextEdit);
  ASSERT_TRUE(r.findText(QStringLiteral("casa")));
  EXPECT_EQ(r.text(), QStringLiteral("Casa"));
  r.move();
  ASSERT_TRUE(r.findText(QStringLiteral("casa")));
  EXPECT_EQ(r.text(), QStringLiteral("CASA"));
  r.move();
  EXPECT_FALSE(r.findText(QStringLiteral("casa")));
  EXPECT_FALSE(r.findText(QString()));

  r.expand(TextRange::Unit::TextEdit);
  ASSERT_TRUE(r.findText(QStringLiteral("acao")));
  EXPECT_EQ(r.text(), QStringLiteral("ação"));
}

TEST_F(TextRangeTest, WordTakesTheWholeWordAndTheBlanksAfterIt) {
  const struct {
    const char* find;
    const char* word;
  } cases[] = {{"SAR", "CASARÃO"}, {"Cas", "Casa "}, {"ção", "coração"}, {"ão,", "CASARÃO, "}};
  for (const auto& c : cases) {
    TextRange r = doc.createRange();
    ASSERT_TRUE(r.findText(QString::fromUtf8(c.find))) << c.find;
    TextRange word = r.duplicate();
    word.expand(TextRange::Unit::Word);
    EXPECT_EQ(word.text(), QString::fromUtf8(c.word)) << c.find;
    EXPECT_EQ(r.text().size(), QString::fromUtf8(c.find).size()) << "the duplicate is its own range";
  }
}

TEST_F(TextRangeTest, MoveStopsAtTheEnds) {
  TextRange r = doc.createRange();
  r.move(-5);
  EXPECT_EQ(r.start(), 0);
  r.move(100000);
  EXPECT_EQ(r.start(), doc.text().size());
  EXPECT_EQ(r.end(), r.start());
}

TEST_F(TextRangeTest, PaintedRangeKeepsTheTextAndCarriesBothColours) {
  TextRange r = doc.createRange();
  ASSERT_TRUE(r.findText(QStringLiteral("coração")));
  r.execCommand(TextRange::Command::BackColor, QStringLiteral("#ffff00"));
  r.execCommand(TextRange::Command::ForeColor, QStringLiteral("#000000"));
  EXPECT_EQ(r.text(), QStringLiteral("coração"));
  EXPECT_TRUE(doc.toHtml().contains(
      QStringLiteral("<span style=\"background-color:#ffff00;color:#000000;\">coração</span>")));
}

}  // namespace
