#include "PagePrinter.h"

#include "HeadlessWebEngine.h"
#include "PrintQueue.h"
#include "ResourceStrings.h"
#include "ScriptedDialogs.h"
#include "TestFolders.h"

#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

const QString kPagina = QStringLiteral(
    "<!DOCTYPE html><html><head><link rel=\"stylesheet\" href=\"css/estilo1.css\"></head><body>"
    "<div id=\"AreaVerbete\"><span id=\"D_TIT\">gelo</span> <span id=\"D_ETM\">(lat. gelu)</span><BR>"
    "<span id=\"D_N_CG\">s.m.</span><BR><span id=\"D_DEF\">Água em estado sólido.</span></div></body></html>");

class PagePrinterTest : public ::testing::Test {
 protected:
  PagePrinterTest() { PrepareHeadlessWebEngine(); }

  // Prints the page to the PDF file `arquivo`, as the print dialog's
  // "print to file" does; whether the printout was made.
  bool imprimeEm(const QString& arquivo) {
    PagePrinter printer(&janela, &dialogs, [&arquivo](QPrinter& p) {
      p.setOutputFormat(QPrinter::PdfFormat);
      p.setOutputFileName(arquivo);
      return true;
    });
    QSignalSpy printed(&printer, &PagePrinter::Printed);
    printer.Print(kPagina, QUrl::fromLocalFile(folders.programDir() + u'/'));
    EXPECT_TRUE(printed.wait(30000));
    return !printed.isEmpty() && printed.first().at(0).toBool();
  }

  TestFolders folders{true};
  QWidget janela;
  ScriptedDialogs dialogs;
};

TEST_F(PagePrinterTest, APrintoutToAFileIsASmallPdfWhoseWordsAreText) {
  const QString arquivo = folders.root() + QStringLiteral("/verbete.pdf");
  ASSERT_TRUE(imprimeEm(arquivo));
  EXPECT_TRUE(dialogs.calls().empty());
  EXPECT_LT(QFileInfo(arquivo).size(), 60 * 1024) << "a few kilobytes, not a picture of the page";
  QProcess texto;
  texto.start(QStringLiteral("pdftotext"), {arquivo, QStringLiteral("-")});
  ASSERT_TRUE(texto.waitForFinished(20000));
  const QString palavras = QString::fromUtf8(texto.readAllStandardOutput()).simplified();
  EXPECT_TRUE(palavras.contains(QStringLiteral("gelo (lat. gelu)"))) << palavras.toStdString();
  EXPECT_TRUE(palavras.contains(QStringLiteral("Água em estado sólido."))) << palavras.toStdString();
}

TEST_F(PagePrinterTest, AFileThatCannotBeWrittenIsToldToTheUser) {
  const QString arquivo = folders.root() + QStringLiteral("/nao-existe/verbete.pdf");
  EXPECT_FALSE(imprimeEm(arquivo));
  ASSERT_EQ(dialogs.calls().size(), 1u);
  EXPECT_EQ(dialogs.calls()[0].prompt, LoadResString(390).replace(QStringLiteral("%1"), arquivo));
  EXPECT_EQ(dialogs.calls()[0].title, LoadResString(100));
}

// A printer the print service cannot reach refuses the job with its reason.
TEST(PrintQueue, APrinterThatCannotBeReachedRefusesTheJob) {
  qputenv("CUPS_SERVER", "/nao-existe/cups.sock");
  TestFolders folders;
  folders.write(QStringLiteral("p.pdf"), "%PDF-1.4\n");
  QPrinter printer;
  printer.setPrinterName(QStringLiteral("Inexistente"));
  QString erro;
  EXPECT_FALSE(printqueue::submit(printer, folders.root() + QStringLiteral("/p.pdf"), QStringLiteral("teste"), &erro));
  EXPECT_FALSE(erro.isEmpty());
  qunsetenv("CUPS_SERVER");
}

}  // namespace
