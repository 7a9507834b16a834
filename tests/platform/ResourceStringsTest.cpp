#include "ResourceStrings.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(ResourceStrings, ParsesEscapesAndSkipsComments) {
  const ResourceStrings table = ResourceStrings::fromText(
      "# comment\n\n100\tDicion\xC3\xA1rio\n200\ta\\nb\\\\c\\td \n300\t\n");
  EXPECT_EQ(table.get(100), QStringLiteral("Dicionário"));
  EXPECT_EQ(table.get(200), QStringLiteral("a\nb\\c\td "));
  EXPECT_TRUE(table.contains(300));
  EXPECT_EQ(table.get(300), QString());
  EXPECT_FALSE(table.contains(400));
}

TEST(ResourceStrings, CompiledTableHoldsTheProductTitle) {
  EXPECT_EQ(LoadResString(100), QStringLiteral("Dicionário Vocabra"));
  EXPECT_EQ(LoadResString(128), QStringLiteral("Carregando..."));
}

// Every LoadResString(<id>) in the sources names a string of the table.
TEST(ResourceStrings, EveryIdTheSourcesAskForExists) {
  const QRegularExpression call(QStringLiteral(R"(LoadResString\((\d+)\))"));
  QDirIterator it(QStringLiteral(MINIVOCABRA_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                  QDir::Files, QDirIterator::Subdirectories);
  int calls = 0;
  while (it.hasNext()) {
    QFile file(it.next());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (const QRegularExpressionMatch& m : call.globalMatch(text)) {
      ++calls;
      EXPECT_TRUE(ResourceStrings::instance().contains(m.captured(1).toInt()))
          << qPrintable(file.fileName()) << " asks for string " << qPrintable(m.captured(1));
    }
  }
  EXPECT_GT(calls, 0);
}
