#include "PageDocument.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

constexpr char kPage[] =
    "<html><head><title>t</title><style>p{}</style></head>"
    "<body><div id=\"Area\"></div><table id=\"box\" style=\"visibility:hidden;\"><tr><td id=\"cell\">x</td></tr>"
    "</table></body></html>";

class PageDocumentTest : public ::testing::Test {
 protected:
  PageDocumentTest() { doc.load(QString::fromLatin1(kPage)); }
  PageDocument doc;
};

TEST_F(PageDocumentTest, InnerHtmlRoundTripsAndMissingIdsChangeNothing) {
  QSignalSpy changes(&doc, &PageDocument::changed);
  ASSERT_TRUE(doc.setInnerHTML(QStringLiteral("Area"), QStringLiteral("<b>ação</b> &amp; 1 &lt; 2")));
  EXPECT_EQ(doc.innerHTML(QStringLiteral("Area")), QStringLiteral("<b>ação</b> &amp; 1 &lt; 2"));
  EXPECT_EQ(changes.count(), 1);
  changes.clear();

  // Attributes are written back as held: a link to "goto://ação" stays that
  // address (not percent-encoded), quotes in values are escaped.
  ASSERT_TRUE(doc.setInnerHTML(QStringLiteral("Area"),
                               QStringLiteral("<a title='x\"y' href=\"goto://ação\">a&lt;b&nbsp;</a><br><img src='a b.gif'>")));
  EXPECT_EQ(doc.innerHTML(QStringLiteral("Area")),
            QStringLiteral("<a title=\"x&quot;y\" href=\"goto://ação\">a&lt;b&nbsp;</a><br><img src=\"a b.gif\">"));

  EXPECT_FALSE(doc.setInnerHTML(QStringLiteral("nada"), QStringLiteral("x")));
  EXPECT_FALSE(doc.innerHTML(QStringLiteral("nada")).has_value());
  EXPECT_FALSE(doc.setStyleProperty(QStringLiteral("nada"), QStringLiteral("visibility"), QStringLiteral("x")));
  EXPECT_EQ(changes.count(), 1) << "only the link's writing";
}

// Entry pages close spans after their tables; the fragment is mended, not
// refused, and what follows stays inside the element.
TEST_F(PageDocumentTest, MisNestedAndHostileFragmentsStayInsideTheElement) {
  const struct {
    const char* fragment;
    const char* text;
  } cases[] = {
      {"<span id='s'>a<table><tr><td>b</td></tr></table></span>c", "a\nb\nc"},
      {"um</div></body></html>dois", "um\ndois"},
      {"<p>p1<p>p2", "p1\np2"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(doc.setInnerHTML(QStringLiteral("Area"), QString::fromUtf8(c.fragment)));
    EXPECT_TRUE(doc.text().startsWith(QString::fromUtf8(c.text))) << c.fragment << " -> " << doc.text().toStdString();
    EXPECT_TRUE(doc.hasElement(QStringLiteral("box"))) << c.fragment;
  }
  ASSERT_TRUE(doc.setInnerHTML(QStringLiteral("Area"), QStringLiteral("<span id='s'>a<table><tr><td>b</td></tr></table></span>")));
  EXPECT_TRUE(doc.hasElement(QStringLiteral("s")));
}

// Elements that HTML writes without an end tag, which the parser may still
// give children: nothing after them is lost, in the element or in the page
// written out and read again.
TEST_F(PageDocumentTest, NothingAfterAnElementWithoutEndTagIsLost) {
  const char* cases[] = {
      "guarda<wbr>chuva <b>depois</b>",
      "<embed src=\"a.swf\">chuva <b>depois</b>",
      "<video><source src=\"a.ogg\">chuva <b>depois</b></video>",
      "<video><track src=\"a.vtt\">chuva <b>depois</b></video>",
      "<object><param name=\"a\" value=\"1\">chuva <b>depois</b></object>",
      "<keygen name=\"k\">chuva <b>depois</b>",
      "<map name=\"m\"><area href=\"goID://1\">chuva <b>depois</b></map>",
      "<table><col width=\"10\"><tr><td>chuva <b>depois</b></td></tr></table>",
      "<img src=\"x.gif\">a<br>chuva <b>depois</b>",
  };
  for (const char* fragment : cases) {
    ASSERT_TRUE(doc.setInnerHTML(QStringLiteral("Area"), QString::fromUtf8(fragment)));
    const QString inner = doc.innerHTML(QStringLiteral("Area")).value_or(QString());
    EXPECT_TRUE(inner.contains(QStringLiteral("chuva <b>depois</b>"))) << fragment << " -> " << inner.toStdString();
    PageDocument again;
    again.load(doc.toHtml());
    EXPECT_EQ(again.toHtml(), doc.toHtml()) << fragment;
    EXPECT_TRUE(again.hasElement(QStringLiteral("box"))) << fragment;
  }
  // Without children they stay as HTML writes them.
  ASSERT_TRUE(doc.setInnerHTML(QStringLiteral("Area"), QStringLiteral("<p>a<wbr></p><p>b<br><img src=\"x.gif\"></p>")));
  EXPECT_EQ(doc.innerHTML(QStringLiteral("Area")), QStringLiteral("<p>a<wbr></p><p>b<br><img src=\"x.gif\"></p>"));
}

// A preview page is a style block and spans written into an empty body.
TEST_F(PageDocumentTest, BodyTakesAStyleBlockAndItsSpans) {
  QSignalSpy changes(&doc, &PageDocument::changed);
  doc.setBodyInnerHTML(QStringLiteral("<style type=\"text/css\">#D_TIT{color:#336699}</style><span id=\"D_TIT\">x</span>"));
  EXPECT_EQ(changes.count(), 1);
  EXPECT_TRUE(doc.bodyInnerHTML().startsWith(QStringLiteral("<style"))) << doc.bodyInnerHTML().toStdString();
  EXPECT_TRUE(doc.bodyInnerHTML().contains(QStringLiteral("#D_TIT{color:#336699}")));
  EXPECT_EQ(doc.innerHTML(QStringLiteral("D_TIT")), QStringLiteral("x"));
  EXPECT_FALSE(doc.hasElement(QStringLiteral("Area")));
}

TEST_F(PageDocumentTest, StylePropertyIsReadAndReplaced) {
  EXPECT_EQ(doc.styleProperty(QStringLiteral("box"), QStringLiteral("visibility")), QStringLiteral("hidden"));
  EXPECT_EQ(doc.styleProperty(QStringLiteral("cell"), QStringLiteral("visibility")), QString());
  ASSERT_TRUE(doc.setStyleProperty(QStringLiteral("box"), QStringLiteral("visibility"), QStringLiteral("visible")));
  EXPECT_EQ(doc.styleProperty(QStringLiteral("box"), QStringLiteral("VISIBILITY")), QStringLiteral("visible"));
  EXPECT_TRUE(doc.toHtml().contains(QStringLiteral("style=\"visibility:visible;\"")));
}

TEST_F(PageDocumentTest, TextLeavesOutScriptAndStyleAndBreaksBlocks) {
  doc.setInnerHTML(QStringLiteral("Area"),
                   QStringLiteral("<script>var a;</script>casa<br>azul<td>x</td><span>ver</span>de"));
  EXPECT_EQ(doc.text(), QStringLiteral("casa\nazul\nx\nverde\nx\n"));
}

TEST_F(PageDocumentTest, PaintingWrapsTextAcrossElementsAndJoinsColours) {
  doc.setInnerHTML(QStringLiteral("Area"), QStringLiteral("a ca<b>sa</b> b"));
  const QString before = doc.text();
  const qsizetype at = before.indexOf(QStringLiteral("casa"));
  doc.paintText(at, at + 4, QStringLiteral("background-color"), QStringLiteral("#ffff00"));
  doc.paintText(at, at + 4, QStringLiteral("color"), QStringLiteral("#000000"));
  EXPECT_EQ(doc.text(), before);
  EXPECT_EQ(doc.innerHTML(QStringLiteral("Area")),
            QStringLiteral("a <span style=\"background-color:#ffff00;color:#000000;\">ca</span>"
                           "<b><span style=\"background-color:#ffff00;color:#000000;\">sa</span></b> b"));
}

// Paintings one over the other: each lands on its own characters, the
// splits of the earlier ones included.
TEST(PageDocument, SuccessivePaintingsFollowTheSplitsOfEarlierOnes) {
  PageDocument doc;
  doc.load(QStringLiteral("<body><p id=\"p\">abcdef</p></body>"));
  doc.paintText(1, 3, QStringLiteral("background-color"), QStringLiteral("#ffff00"));
  doc.paintText(2, 5, QStringLiteral("color"), QStringLiteral("#000000"));
  doc.paintText(0, 6, QStringLiteral("background-color"), QStringLiteral("#0000ff"));
  EXPECT_EQ(doc.text(), QStringLiteral("abcdef\n"));
  const QString blue = QStringLiteral("<span style=\"background-color:#0000ff;\">");
  EXPECT_EQ(doc.innerHTML(QStringLiteral("p")),
            blue + QStringLiteral("a</span><span style=\"background-color:#ffff00;\">") + blue +
                QStringLiteral("b</span><span style=\"color:#000000;background-color:#0000ff;\">c</span></span>"
                               "<span style=\"color:#000000;background-color:#0000ff;\">de</span>") +
                blue + QStringLiteral("f</span>"));
}

TEST(PageDocument, AnythingLoadsToAPageWithABody) {
  PageDocument doc;
  for (const char* html : {"", "texto solto", "<td>só uma célula", "<html><head></head></html>", "\xFF\xFE<<<"}) {
    doc.load(QString::fromUtf8(html));
    EXPECT_TRUE(doc.toHtml().contains(QStringLiteral("<body"))) << html;
  }
}

}  // namespace
