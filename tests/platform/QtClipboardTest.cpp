#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

namespace {

// A document whose fragment starts at byte 80.
QByteArray documentoComFragmento(const QByteArray& fragmento) {
  const QByteArray fim = QByteArray::number(80 + fragmento.size()).rightJustified(10, '0');
  const QByteArray cabecalho = "Version:1.0\r\nStartFragment:0000000080\r\nEndFragment:" + fim + "\r\n";
  return cabecalho.leftJustified(80, '.') + fragmento + "<!--EndFragment -->";
}

TEST(QtClipboard, FragmentComesFromTheOffsets) {
  EXPECT_EQ(clip::QtClipboard::FragmentoHTML(documentoComFragmento("<b>casa</b>")), QByteArray("<b>casa</b>"));
  EXPECT_EQ(clip::QtClipboard::FragmentoHTML("Version:1.0\r\n"), std::nullopt);
  EXPECT_EQ(clip::QtClipboard::FragmentoHTML("StartFragment:0000000010\r\nEndFragment:0000009999\r\n"),
            std::nullopt);  // past the end
}

TEST(QtClipboard, HtmlAndTextStandTogetherInOneMimeData) {
  clip::QtClipboard clipboard;
  const clip::Formato html = clipboard.RegisterFormat(QStringLiteral("HTML Format"));
  ASSERT_NE(html, 0u);
  EXPECT_EQ(clipboard.RegisterFormat(QStringLiteral("HTML Format")), html);
  const QByteArray doc = documentoComFragmento("<b>casa</b>");
  clipboard.Clear();
  ASSERT_TRUE(clipboard.Open());
  clipboard.Empty();
  EXPECT_TRUE(clipboard.SetData(html, doc + QByteArray(10, '\0')));
  clipboard.Close();
  clipboard.SetText(QStringLiteral("casa"));

  const QMimeData* dados = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(dados, nullptr);
  EXPECT_EQ(dados->text(), QStringLiteral("casa"));
  EXPECT_EQ(dados->html(), QStringLiteral("<b>casa</b>"));
  EXPECT_EQ(dados->data(QStringLiteral("HTML Format")), doc);

  clipboard.Clear();
  EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText());
}

TEST(QtClipboard, DataNeedsAnOpenClipboardAndAKnownFormat) {
  clip::QtClipboard clipboard;
  const clip::Formato f = clipboard.RegisterFormat(QStringLiteral("Outro"));
  EXPECT_FALSE(clipboard.SetData(f, "x"));
  ASSERT_TRUE(clipboard.Open());
  EXPECT_FALSE(clipboard.Open());
  EXPECT_FALSE(clipboard.SetData(f + 1, "x"));
  EXPECT_TRUE(clipboard.SetData(f, "x"));
  clipboard.Close();
  EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("Outro")), QByteArray("x"));
}

}  // namespace
