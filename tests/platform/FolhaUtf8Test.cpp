#include "HeadlessWebEngine.h"
#include "PagePrinter.h"
#include "ScriptedDialogs.h"
#include "TestFolders.h"
#include "ViewHelpers.h"
#include "WebBrowser.h"
#include "WebView.h"

#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kEscolhido = QStringLiteral("— € Привет 日本 😀");

// A page of the program folder in Windows-1252, as the templates are,
// linking a style sheet written as the program writes the sheets: UTF-8,
// saying so first.
class FolhaUtf8 : public ::testing::Test {
 protected:
  FolhaUtf8() {
    PrepareHeadlessWebEngine();
    folders.write(QStringLiteral("program/p.htm"),
                  "<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\"css/estilo1.css\"></head>"
                  "<body><span id=\"D_TIT\">a\xe7\xe3o</span></body></html>");
    folders.write(QStringLiteral("program/css/estilo1.css"),
                  "@charset \"UTF-8\";\n#D_TIT::after { content: \"" + kEscolhido.toUtf8() + "\"; }\n");
    QObject::connect(&browser, &WebBrowser::BeforeNavigate2, [](const QString&, bool& cancel) { cancel = false; });
    view = std::make_unique<WebView>(browser);
    view->resize(600, 400);
    view->show();
  }

  TestFolders folders;
  WebBrowser browser;
  std::unique_ptr<WebView> view;
};

TEST_F(FolhaUtf8, ThePageAndItsPrintoutReadTheSheetAsUtf8) {
  QSignalSpy rendered(view.get(), &WebView::Rendered);
  browser.Navigate(folders.programDir() + QStringLiteral("/p.htm"));
  ASSERT_TRUE(rendered.wait(20000));
  const QString depois = QStringLiteral("getComputedStyle(document.getElementById('D_TIT'), '::after').content");
  ASSERT_TRUE(QTest::qWaitFor([&] { return RunScript(view->page(), depois).toString() != u"none"; }, 20000));
  EXPECT_EQ(RunScript(view->page(), depois).toString(), u'"' + kEscolhido + u'"');
  EXPECT_EQ(RunScript(view->page(), QStringLiteral("document.getElementById('D_TIT').textContent")).toString(),
            QStringLiteral("ação"));

  QWidget janela;
  ScriptedDialogs dialogs;
  const QString pdf = folders.root() + QStringLiteral("/p.pdf");
  PagePrinter printer(&janela, &dialogs, [&pdf](QPrinter& p) {
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(pdf);
    return true;
  });
  QSignalSpy printed(&printer, &PagePrinter::Printed);
  printer.Print(browser.document().toHtml(), browser.baseUrl());
  ASSERT_TRUE(printed.wait(30000));
  ASSERT_TRUE(printed.first().at(0).toBool());
  QProcess texto;
  texto.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  ASSERT_TRUE(texto.waitForFinished(20000));
  const QString palavras = QString::fromUtf8(texto.readAllStandardOutput()).simplified();
  EXPECT_TRUE(palavras.contains(QStringLiteral("ação— € Привет"))) << palavras.toStdString();
}

}  // namespace
