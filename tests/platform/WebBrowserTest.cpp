#include "PageAccess.h"
#include "PageFile.h"
#include "TestFolders.h"
#include "WebBrowser.h"

#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class WebBrowserTest : public ::testing::Test {
 protected:
  WebBrowserTest() {
    folders.write(QStringLiteral("program/f1.htm"), "<html><body><div id=\"AreaVerbete\"></div></body></html>");
    folders.write(QStringLiteral("program/manual/a.htm"), "<html><body><p id=\"p\">a</p></body></html>");
    connect();
  }

  void connect() {
    QObject::connect(&browser, &WebBrowser::BeforeNavigate2, [this](const QString& url, bool& cancel) {
      asked.push_back(url);
      cancel = url.contains(QStringLiteral("cancela"));
    });
  }

  QString program(const char* relative) const { return folders.programDir() + QString::fromUtf8(relative); }

  TestFolders folders;
  std::vector<QUrl> opened;
  WebBrowser browser{[this](const QUrl& url) { opened.push_back(url); }};
  std::vector<QString> asked;
};

TEST_F(WebBrowserTest, PageIsParsedAtOnceAndCompletesFromTheEventLoop) {
  QSignalSpy complete(&browser, &WebBrowser::DocumentComplete);
  const QString address = program("\\f1.htm");
  browser.Navigate(address);
  EXPECT_EQ(asked, std::vector<QString>{address});
  EXPECT_TRUE(browser.document().hasElement(QStringLiteral("AreaVerbete")));
  EXPECT_EQ(browser.readyState(), WebBrowser::ReadyState::Loading);
  EXPECT_EQ(complete.count(), 0);
  ASSERT_TRUE(complete.wait(2000));
  EXPECT_EQ(complete.at(0).at(0).toString(), address);
  EXPECT_EQ(browser.readyState(), WebBrowser::ReadyState::Complete);
  EXPECT_EQ(browser.baseUrl(), QUrl::fromLocalFile(folders.programDir() + u'/'));
}

TEST_F(WebBrowserTest, OnlyTheLastOfQuickNavigationsCompletes) {
  QSignalSpy complete(&browser, &WebBrowser::DocumentComplete);
  browser.Navigate(program("\\f1.htm"));
  browser.Navigate(program("\\manual\\a.htm?"));
  QCoreApplication::processEvents();
  ASSERT_EQ(complete.count(), 1);
  EXPECT_EQ(complete.at(0).at(0).toString(), program("\\manual\\a.htm?"));
  EXPECT_TRUE(browser.document().hasElement(QStringLiteral("p")));
}

TEST_F(WebBrowserTest, CancelledAndUnloadableAddressesLeaveThePage) {
  browser.Navigate(program("\\f1.htm"));
  QCoreApplication::processEvents();
  QSignalSpy complete(&browser, &WebBrowser::DocumentComplete);
  for (const char* address : {"cancela.htm", "javascript:history.back()", "goID://12", "goto://ação"}) {
    browser.Navigate(QString::fromUtf8(address));
    EXPECT_EQ(asked.back(), QString::fromUtf8(address));
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(complete.count(), 0);
  EXPECT_TRUE(browser.document().hasElement(QStringLiteral("AreaVerbete")));
}

TEST_F(WebBrowserTest, AMissingPageShowsAMessageAndStillCompletes) {
  QSignalSpy complete(&browser, &WebBrowser::DocumentComplete);
  browser.Navigate(program("\\manual\\<nada>.htm"));
  ASSERT_TRUE(complete.wait(2000));
  const QString html = browser.document().toHtml();
  EXPECT_TRUE(html.contains(QStringLiteral("&lt;nada&gt;.htm"))) << html.toStdString();
}

TEST_F(WebBrowserTest, AddressesOutsideTheProgramOpenOutsideWithoutEvents) {
  browser.Navigate(QStringLiteral("https://exemplo.com.br/"));
  browser.Navigate(program("\\manual\\a.htm"), QStringLiteral("blank"));
  EXPECT_TRUE(asked.empty());
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://exemplo.com.br/")));
  EXPECT_EQ(opened[1], QUrl::fromLocalFile(folders.programDir() + QStringLiteral("/manual/a.htm")));
}

TEST_F(WebBrowserTest, LinksReachTheEventAsWrittenOrResolvedAgainstThePage) {
  browser.Navigate(program("\\manual\\a.htm"));
  QCoreApplication::processEvents();
  asked.clear();
  const struct {
    const char* href;
    QString expected;
  } cases[] = {
      {"goID://1234", QStringLiteral("goID://1234")},
      {"goto://ação", QStringLiteral("goto://ação")},
      {"javascript:history.back()", QStringLiteral("javascript:history.back()")},
      {"b.htm?x", folders.programDir() + QStringLiteral("/manual/b.htm?x")},
      {"../f%31.htm", folders.programDir() + QStringLiteral("/f1.htm")},
  };
  for (const auto& c : cases) {
    browser.FollowLink(QString::fromUtf8(c.href));
    ASSERT_FALSE(asked.empty()) << c.href;
    EXPECT_EQ(asked.back(), c.expected) << c.href;
  }
  const size_t count = asked.size();
  browser.FollowLink(QStringLiteral("#topo"));
  browser.FollowLink(QString());
  EXPECT_EQ(asked.size(), count);
}

// Opens the pipe for writing, and at once closes it, whenever something
// waits to read it, so a reader that blocks is set free (and seen).
class PipeRescue final {
 public:
  explicit PipeRescue(const QString& pipe)
      : thread_([this, path = QFile::encodeName(pipe)] {
          while (!stop_) {
            const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
              ::close(fd);
              rescued_ = true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
          }
        }) {}
  ~PipeRescue() {
    stop_ = true;
    thread_.join();
  }
  Q_DISABLE_COPY_MOVE(PipeRescue)
  bool rescued() const { return rescued_; }

 private:
  std::atomic<bool> stop_ = false;
  std::atomic<bool> rescued_ = false;
  std::thread thread_;
};

// Links in a page lead only to page files of the program's folders; anything
// else is a message page, at once.
TEST_F(WebBrowserTest, LinksToDevicesPipesAndOtherFoldersGetAMessagePage) {
  const QString pipe = program("/manual/fila");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  folders.write(QStringLiteral("program/manual/grande.htm"), QByteArray());
  QFile(program("/manual/grande.htm")).resize(pageaccess::kLargestPage + 1);
  QFile::link(QStringLiteral("/etc/passwd"), program("/manual/senhas.htm"));
  folders.write(QStringLiteral("data-home/minivocabra/css/estilo.htm"), "<p id=\"css\">c</p>");
  const struct {
    QString href;
    const char* shown;  // what the page says
  } cases[] = {
      {QStringLiteral("file:///dev/zero"), "só abre páginas das suas próprias pastas"},
      {QStringLiteral("fila"), "não é um arquivo de página"},
      {QStringLiteral("file:///etc/passwd"), "só abre páginas das suas próprias pastas"},
      {QStringLiteral("senhas.htm"), "só abre páginas das suas próprias pastas"},
      {QStringLiteral("grande.htm"), "não é um arquivo de página"},
      {QStringLiteral(".."), "não é um arquivo de página"},
      {QStringLiteral("nada.htm"), "Não foi possível abrir a página"},
  };
  for (const auto& c : cases) {
    browser.Navigate(program("/manual/a.htm"));
    const PipeRescue rescue(pipe);
    browser.FollowLink(c.href);
    EXPECT_FALSE(rescue.rescued()) << qPrintable(c.href) << " blocked";
    const QString text = browser.document().text();
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.shown))) << qPrintable(c.href) << " -> " << qPrintable(text);
    EXPECT_FALSE(text.contains(QStringLiteral("root:"))) << qPrintable(c.href);
  }
  browser.Navigate(folders.dataHome() + QStringLiteral("/minivocabra/css/estilo.htm"));
  EXPECT_TRUE(browser.document().hasElement(QStringLiteral("css")));
}

TEST(PageFile, DecodesUtf8WhenThePageSaysSoElseAnsi) {
  EXPECT_EQ(pagefile::decode("<p>a\xE7\xE3o</p>"), QStringLiteral("<p>ação</p>"));
  EXPECT_EQ(pagefile::decode("<meta charset=\"UTF-8\"><p>a\xC3\xA7\xC3\xA3o</p>"),
            QStringLiteral("<meta charset=\"UTF-8\"><p>ação</p>"));
  EXPECT_EQ(pagefile::decode("\xEF\xBB\xBF\xC3\xA7"), QStringLiteral("ç"));
}

}  // namespace
