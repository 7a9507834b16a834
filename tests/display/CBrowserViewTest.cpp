#include "CBrowser.h"
#include "HeadlessWebEngine.h"
#include "ProgramPaths.h"
#include "TestFolders.h"
#include "ViewHelpers.h"
#include "WebView.h"

#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kEntrada = QStringLiteral(
    "<span id=\"D_TIT\">casa</span><BR><span id=\"D_N_CG\">s.f.</span> <span id=\"D_NUM\">1.</span> "
    "<span id=\"D_DEF\">Construção onde se mora; moradia. Ver <a id=\"lar\" href=\"goID://1234\">lar</a> e "
    "<a id=\"abrigo\" href=\"goto://abrigo\">abrigo</a>.</span><BR><span id=\"D_ETM\">Do latim casa.</span>");

// The whole browser area as the main window has it, with the real view.
class CBrowserViewTest : public ::testing::Test {
 protected:
  CBrowserViewTest() {
    PrepareHeadlessWebEngine();
    janela->resize(820, 620);
    recorte->setGeometry(10, 10, 10, 10);
    CBrowser::Dependencias d;
    d.controles = {recorte, nullptr, nullptr};
    browser = std::make_unique<CBrowser>(d);
    browser->Inicializa();
    browser->Tamanho(820, 620);
    janela->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
    EXPECT_TRUE(QTest::qWaitFor([this] { return browser->visao() != nullptr; }, 1000));  // made on the next turn
    view = qobject_cast<WebView*>(browser->visao());
  }

  ~CBrowserViewTest() override { browser.reset(); }

  // Shows the entry and waits until the engine has drawn it.
  void mostraEntrada() {
    ASSERT_NE(view, nullptr);
    browser->AlteraModelo(0);
    QCoreApplication::processEvents();
    browser->PalavraBusca(QStringLiteral("moradia"), QString(), QString());
    browser->MarcaPalavra(true);
    browser->DefineCorPalavraEncontrada(65535, 0);
    QSignalSpy rendered(view, &WebView::Rendered);
    browser->MostraVerbete(kEntrada);
    browser->ListaAlternativas(QStringLiteral("<a href='goID://1235'>casa 2</a>"), QString());
    browser->MostrarListaAlternativa(true);
    while (!alternativas().contains(QStringLiteral("casa 2")) && rendered.wait(20000)) {
    }
    ASSERT_TRUE(alternativas().contains(QStringLiteral("casa 2")));
    Spin(300);  // images and layout settle
  }

  QVariant script(const QString& js) { return RunScript(view->page(), js); }
  QString alternativas() {
    return script(QStringLiteral("var e = document.getElementById('ListaAlternativas'); e ? e.textContent : ''"))
        .toString();
  }

  void clica(const char* id) {
    const QVariantList centro =
        script(QStringLiteral("var r = document.getElementById('%1').getBoundingClientRect();"
                              "[r.left + r.width / 2, r.top + r.height / 2]")
                   .arg(QString::fromUtf8(id)))
            .toList();
    ASSERT_EQ(centro.size(), 2);
    QTest::mouseClick(view->focusProxy(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(centro[0].toInt(), centro[1].toInt()));
  }

  TestFolders folders{true};
  std::unique_ptr<QWidget> janela = std::make_unique<QWidget>();
  QWidget* recorte = new QWidget(janela.get());  // owned by the window
  std::unique_ptr<CBrowser> browser;
  WebView* view = nullptr;
};

TEST_F(CBrowserViewTest, EntryPageIsRenderedWithItsStyleSheetImagesAndHighlight) {
  mostraEntrada();
  EXPECT_EQ(script(QStringLiteral("document.getElementById('D_DEF').textContent")).toString(),
            QStringLiteral("Construção onde se mora; moradia. Ver lar e abrigo."));
  EXPECT_EQ(script(QStringLiteral("getComputedStyle(document.getElementById('D_TIT')).fontWeight")).toString(),
            QStringLiteral("700"))
      << "css/estilo1.css applies";
  EXPECT_EQ(script(QStringLiteral("document.querySelector('#table1 img').naturalWidth")).toInt(), 8)
      << "the side box's images load from the program folder";
  EXPECT_EQ(script(QStringLiteral("getComputedStyle(document.getElementById('table1')).visibility")).toString(),
            QStringLiteral("visible"));
}

TEST_F(CBrowserViewTest, ARealClickOnAnEntryLinkReachesTheHandlerAsWritten) {
  mostraEntrada();
  QSignalSpy comando(browser.get(), &CBrowser::ExecComando);
  clica("lar");
  ASSERT_TRUE(comando.count() > 0 || comando.wait(5000));
  EXPECT_EQ(browser->getComandoBrowser(), CBrowser::kComandoVerbete);
  EXPECT_EQ(browser->getIdClicadoLista(), 1234);

  clica("abrigo");
  ASSERT_TRUE(comando.count() > 1 || comando.wait(5000));
  EXPECT_EQ(browser->getComandoBrowser(), CBrowser::kComandoPalavra);
  EXPECT_EQ(browser->getPalavraClicada(), QStringLiteral("abrigo"));
  EXPECT_EQ(browser->getEstado(), 2) << "the page stays";
}

TEST_F(CBrowserViewTest, ScreenshotShowsThePage) {
  mostraEntrada();
  const QImage shot = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
  const QString file = QStringLiteral(SCREENSHOT_DIR "/entrada.png");
  EXPECT_TRUE(shot.save(file));
  std::cout << "screenshot: " << file.toStdString() << '\n';

  int amarelo = 0;  // the highlighted word
  int caixa = 0;    // the side box's background
  int escuro = 0;   // text
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      const QRgb p = shot.pixel(x, y);
      if (p == qRgb(0xFF, 0xFF, 0x00)) ++amarelo;
      if (p == qRgb(0xF6, 0xF6, 0xEE)) ++caixa;
      if (qGray(p) < 100) ++escuro;
    }
  }
  EXPECT_GT(amarelo, 50);
  EXPECT_GT(caixa, 200);
  EXPECT_GT(escuro, 200);
}

// Fifty entries shown one after the other, as quickly as lookups yield: the
// view ends with the last, its side box and its highlighting, read back
// from the page the engine holds.
TEST_F(CBrowserViewTest, FiftyQuickEntriesEndWithTheLast) {
  mostraEntrada();
  for (int i = 1; i <= 50; ++i) {
    browser->MostraVerbete(QStringLiteral("<span id=\"D_TIT\">entrada %1</span> <span id=\"D_DEF\">Uma moradia.</span>")
                               .arg(i));
    if (i % 2 == 0) QTest::qWait(1);
    browser->ListaAlternativas(QStringLiteral("<a href='goID://%1'>outra %1</a>").arg(i), QString());
    browser->MostrarListaAlternativa(i % 5 != 0);
    QCoreApplication::processEvents();
  }
  QSignalSpy rendered(view, &WebView::Rendered);
  ASSERT_TRUE(rendered.wait(20000));
  EXPECT_EQ(script(QStringLiteral("document.getElementById('D_TIT').textContent")).toString(),
            QStringLiteral("entrada 50"));
  EXPECT_EQ(alternativas(), QStringLiteral("outra 50"));
  EXPECT_EQ(script(QStringLiteral("getComputedStyle(document.getElementById('table1')).visibility")).toString(),
            QStringLiteral("hidden"));
  EXPECT_EQ(script(QStringLiteral("document.querySelector('#D_DEF span').textContent")).toString(),
            QStringLiteral("moradia"))
      << "highlighted";
}

}  // namespace
