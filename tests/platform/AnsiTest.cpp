#include "Ansi.h"

#include <gtest/gtest.h>

TEST(Ansi, EveryByteRoundTrips) {
  for (int code = 0; code < 256; ++code) {
    const QByteArray byte(1, static_cast<char>(code));
    const QString text = ansi::toUnicode(byte);
    ASSERT_EQ(text.size(), 1) << code;
    EXPECT_EQ(ansi::fromUnicode(text), byte) << code;
    EXPECT_EQ(ansi::asc(text[0]), code) << code;
    EXPECT_EQ(ansi::chr(code), text[0]) << code;
  }
}

TEST(Ansi, Windows1252HighCodes) {
  EXPECT_EQ(ansi::chr(0x80), QChar(0x20AC));  // euro sign
  EXPECT_EQ(ansi::chr(0x93), QChar(0x201C));  // left double quotation mark
  EXPECT_EQ(ansi::chr(0x81), QChar(0x0081));  // unassigned: the C1 control
  EXPECT_EQ(ansi::asc(QChar(0x2014)), 0x97);  // em dash
  EXPECT_EQ(ansi::asc(u'ç'), 0xE7);
  EXPECT_EQ(ansi::asc(QChar(0xA0)), 160);
}

TEST(Ansi, CharactersWithoutACodeBecomeQuestionMarks) {
  EXPECT_EQ(ansi::fromUnicode(QStringLiteral("a\u0101b")), QByteArray("a?b"));
  EXPECT_EQ(ansi::fromUnicode(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"));  // one per character
  EXPECT_EQ(ansi::fromUnicode(QStringLiteral("Definição")), QByteArray("Defini\xE7\xE3o"));
}
