#include "HeadlessWebEngine.h"
#include "ProgramPaths.h"
#include "TestFolders.h"
#include "ViewHelpers.h"
#include "WebBrowser.h"
#include "WebView.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class WebViewTest : public ::testing::Test {
 protected:
  WebViewTest() {
    PrepareHeadlessWebEngine();
    QObject::connect(&browser, &WebBrowser::BeforeNavigate2, [this](const QString& url, bool& cancel) {
      asked.push_back(url);
      cancel = !url.endsWith(QStringLiteral(".htm"));
    });
    view = std::make_unique<WebView>(browser);
    view->resize(600, 400);
    view->show();
  }

  // Shows `body` as a page of the program folder and waits until it is drawn.
  void show(const QString& body) {
    folders.write(QStringLiteral("program/p.htm"),
                  QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body style=\"margin:0\">%1</body></html>")
                      .arg(body)
                      .toUtf8());
    QSignalSpy rendered(view.get(), &WebView::Rendered);
    browser.Navigate(folders.programDir() + QStringLiteral("/p.htm"));
    ASSERT_TRUE(rendered.wait(20000));
    ASSERT_TRUE(rendered.last().at(0).toBool());
  }

  QVariant script(const char* js) { return RunScript(view->page(), QString::fromUtf8(js)); }
  QString textOf(const char* id) {
    const QString js = QStringLiteral("document.getElementById('%1').textContent").arg(QString::fromUtf8(id));
    return RunScript(view->page(), js).toString();
  }
  void change(const char* id, const QString& html) { browser.document().setInnerHTML(QString::fromUtf8(id), html); }
  // Waits until the view reports the document as it is now drawn.
  void waitShown() {
    QSignalSpy rendered(view.get(), &WebView::Rendered);
    ASSERT_TRUE(rendered.wait(20000));
    ASSERT_TRUE(rendered.last().at(0).toBool());
  }

  void click(const char* selector) {
    const QVariantList rect =
        RunScript(view->page(), QStringLiteral("var r = document.querySelector('%1').getBoundingClientRect();"
                                               "[r.left + r.width / 2, r.top + r.height / 2]")
                                    .arg(QString::fromUtf8(selector)))
            .toList();
    ASSERT_EQ(rect.size(), 2) << selector;
    QWidget* target = view->focusProxy() ? view->focusProxy() : view.get();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(rect[0].toInt(), rect[1].toInt()));
  }

  TestFolders folders;
  WebBrowser browser;
  std::unique_ptr<WebView> view;
  std::vector<QString> asked;
};

TEST_F(WebViewTest, ClickedLinksReachTheBrowserExactlyAsWritten) {
  show(QStringLiteral("<p><a id='a' href='goID://123'>um</a></p><p><a id='b' href='goto://ação'>dois</a></p>"
                      "<p><a id='c' href='javascript:history.back()'><b>três</b></a></p>"));
  const size_t before = asked.size();
  for (const char* id : {"#a", "#b", "#c b"}) {
    const size_t clicked = asked.size();
    click(id);
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked.size() > clicked; }, 20000)) << id;
  }
  ASSERT_EQ(asked.size(), before + 3);
  EXPECT_EQ(asked[before], QStringLiteral("goID://123"));
  EXPECT_EQ(asked[before + 1], QStringLiteral("goto://ação"));
  EXPECT_EQ(asked[before + 2], QStringLiteral("javascript:history.back()"));
  EXPECT_EQ(script("document.getElementById('b').textContent").toString(), QStringLiteral("dois"));
}

TEST_F(WebViewTest, PageContentRunsNoScriptAndReachesNoNetwork) {
  QTcpServer server;
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
  const QString remote = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
  show(QStringLiteral("<p id='alvo'>antes</p><script>document.getElementById('alvo').textContent='depois';</script>"
                      "<img src='%1x.gif'><link rel='stylesheet' href='%1x.css'><iframe src='%1f.htm'></iframe>"
                      "<img id='local' src='simples.gif' onerror=\"this.id='erro'\">")
           .arg(remote));
  // Nothing may come of the page by itself: wait a while for what would
  // show it, a connection to the server or a navigation.
  EXPECT_FALSE(QTest::qWaitFor([&] { return server.hasPendingConnections() || asked.size() > 1; }, 800));
  EXPECT_EQ(script("document.getElementById('alvo').textContent").toString(), QStringLiteral("antes"));
  EXPECT_FALSE(server.hasPendingConnections()) << "a page reached the network";
  EXPECT_EQ(asked.size(), 1u) << "the page went nowhere by itself";
}

TEST_F(WebViewTest, EachChangeIsShownAndLocalImagesLoad) {
  folders.write(QStringLiteral("program/pixel.gif"), QByteArray::fromBase64(
      "R0lGODlhAQABAIAAAP8AAP///yH5BAAAAAAALAAAAAABAAEAAAICRAEAOw=="));
  show(QStringLiteral("<div id='x'>um</div><img id='i' src='pixel.gif'>"));
  EXPECT_EQ(script("document.getElementById('i').naturalWidth").toInt(), 1);

  QSignalSpy rendered(view.get(), &WebView::Rendered);
  browser.document().setInnerHTML(QStringLiteral("x"), QStringLiteral("dois"));
  browser.document().setInnerHTML(QStringLiteral("x"), QStringLiteral("três"));
  ASSERT_TRUE(rendered.wait(20000));
  // A second report would show the changes drawn apart: wait a while for it.
  EXPECT_FALSE(rendered.wait(200));
  EXPECT_EQ(rendered.count(), 1) << "changes of one turn are shown once";
  EXPECT_EQ(script("document.getElementById('x').textContent").toString(), QStringLiteral("três"));
}

// The changes go into the loaded page, in order, however quickly they come:
// some while a batch is on its way, some with a load under way, some in the
// same turn. The page is loaded again only when it is another page.
TEST_F(WebViewTest, QuickChangesEndWithTheLastAndLoadOnlyANewPage) {
  show(QStringLiteral("<div id='x'>0</div><div id='y'>0</div>"));
  QSignalSpy loads(view->page(), &QWebEnginePage::loadStarted);
  for (int i = 1; i <= 50; ++i) {
    change("x", QStringLiteral("entrada %1").arg(i));
    if (i % 2 == 0) change("y", QStringLiteral("<b>%1</b>").arg(i));
    if (i == 25) browser.Navigate(folders.programDir() + QStringLiteral("/p.htm"));
    if (i % 3 == 0) QTest::qWait(1);
    else QCoreApplication::processEvents();
  }
  waitShown();
  EXPECT_EQ(textOf("x"), QStringLiteral("entrada 50"));
  EXPECT_EQ(textOf("y"), QStringLiteral("50"));
  EXPECT_EQ(loads.count(), 1) << "only the navigation loads the page";
}

TEST_F(WebViewTest, AChangeThePageCannotTakeLoadsItWhole) {
  show(QStringLiteral("<div id='x'>um</div>"));
  script("document.getElementById('x').remove()");
  QSignalSpy loads(view->page(), &QWebEnginePage::loadStarted);
  change("x", QStringLiteral("dois"));
  waitShown();
  EXPECT_EQ(textOf("x"), QStringLiteral("dois"));
  EXPECT_EQ(loads.count(), 1);
}

// As a page shown anew: a new content starts at the top; the same content
// written again (as printing does) leaves the reader where he was.
TEST_F(WebViewTest, ANewContentIsShownFromTheTopAndTheSameKeepsTheScroll) {
  const QString longa = QStringLiteral("<p style='height:3000px'>longa</p>");
  show(QStringLiteral("<div id='x'>%1</div>").arg(longa));
  // The view's page script learns of the scroll from the page's scroll
  // event, which comes with the next frame; a listener added after its own
  // hears the same event, after it.
  script("window.scrollSeen = false;"
         "window.addEventListener('scroll', function () { window.scrollSeen = true; }, {once: true});"
         "window.scrollTo(0, 500)");
  ASSERT_TRUE(QTest::qWaitFor([&] { return script("window.scrollSeen").toBool(); }, 20000));
  ASSERT_EQ(script("window.scrollY").toInt(), 500);
  change("x", longa);
  waitShown();
  EXPECT_EQ(script("window.scrollY").toInt(), 500);
  change("x", QStringLiteral("<p style='height:3000px'>outra</p>"));
  waitShown();
  EXPECT_EQ(script("window.scrollY").toInt(), 0);
  EXPECT_EQ(textOf("x"), QStringLiteral("outra"));
}

// In an installed program folder the user's own style sheet goes ahead of
// the installed one, and a page navigated to again takes the sheet as it is
// now, even when the page's text is the same.
TEST_F(WebViewTest, PagesTakeTheUsersStyleSheetAheadOfTheInstalledOneAndAsItIsNow) {
  const QString programa = QStringLiteral("usr/share/minivocabra/program");
  qputenv(paths::kProgramDirVariable, (folders.root() + u'/' + programa).toUtf8());
  folders.write(programa + QStringLiteral("/css/estilo1.css"), "#t{color:rgb(1,2,3)}");
  folders.write(programa + QStringLiteral("/f1.htm"),
                "<html><head><link rel='stylesheet' href='css/estilo1.css'></head><body><p id='t'>x</p></body></html>");
  const auto corMostrada = [&] {
    QSignalSpy rendered(view.get(), &WebView::Rendered);
    browser.Navigate(paths::appPath() + QStringLiteral("\\f1.htm"));
    EXPECT_TRUE(rendered.wait(20000));
    return script("getComputedStyle(document.getElementById('t')).color").toString();
  };
  EXPECT_EQ(corMostrada(), QStringLiteral("rgb(1, 2, 3)"));
  folders.write(QStringLiteral("data-home/minivocabra/css/estilo1.css"), "#t{color:rgb(4,5,6)}");
  EXPECT_EQ(corMostrada(), QStringLiteral("rgb(4, 5, 6)"));
  folders.write(QStringLiteral("data-home/minivocabra/css/estilo1.css"), "#t{color:rgb(7,8,9)}");
  EXPECT_EQ(corMostrada(), QStringLiteral("rgb(7, 8, 9)"));
}

}  // namespace
