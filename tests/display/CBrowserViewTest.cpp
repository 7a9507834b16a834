#include "CBrowser.h"
#include "HeadlessWebEngine.h"
#include "MontaConjugacao.h"
#include "ProgramPaths.h"
#include "TestFolders.h"
#include "ViewHelpers.h"
#include "WebView.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString kEntrada = QStringLiteral(
    "<span id=\"D_TIT\">casa</span><BR><span id=\"D_N_CG\">s.f.</span> <span id=\"D_NUM\">1.</span> "
    "<span id=\"D_DEF\">Construção onde se mora; moradia. Ver <a id=\"lar\" href=\"goID://1234\">lar</a> e "
    "<a id=\"abrigo\" href=\"goto://abrigo\">abrigo</a>.</span><BR><span id=\"D_ETM\">Do latim casa.</span>");

// An entry as the dictionary writes it: parts of a line joined by blanks,
// lines by <BR> alone.
const QString kGelo = QStringLiteral(
    "<span id=\"D_TIT\">gelo</span> <span id=\"D_ETM\">(lat. gelu)</span><BR><span id=\"D_N_CG\">s.m.</span><BR>"
    "<span id=\"D_DEF\">Água em estado sólido.</span><BR><span id=\"D_TIT_LOC\">quebrar o gelo</span>");

// The summaries of a results page, as the results list writes them.
const QString kResultados = QStringLiteral(
    "<span id='T7'><a href='goID://10'>casa<span id=\"D_SUP_RES\">2</span></a></span><BR>"
    "<table width=100% ><tr><td><span id='T8'><a href='goID://10'>s.f. Construção onde se mora.</a></td></tr>"
    "</table></span>");

// Finds, for each element that shows text, the size, font and colour that
// the page's style sheets give it (its own rules, else its nearest ancestor's,
// as the three are inherited) and lists each one the page draws otherwise.
const QString kEstilosErrados = QStringLiteral(R"JS(
(function () {
  var props = ['font-size', 'font-family', 'color'];
  var rules = [];
  for (var s = 0; s < document.styleSheets.length; ++s) {
    var list = document.styleSheets[s].cssRules;
    for (var r = 0; r < list.length; ++r) if (list[r].selectorText) rules.push(list[r]);
  }
  function declared(el, prop) {
    for (var e = el; e && e.nodeType === 1; e = e.parentNode) {
      var value = e.style.getPropertyValue(prop);
      for (var r = 0; r < rules.length; ++r) {
        var v = rules[r].style.getPropertyValue(prop);
        if (v && v !== 'inherit' && e.matches(rules[r].selectorText)) value = value || v;
      }
      if (value) return value;
    }
    return '';
  }
  function showsText(el) {
    for (var c = el.firstChild; c; c = c.nextSibling) if (c.nodeType === 3 && c.data.trim()) return true;
    return false;
  }
  var wrong = [];
  var all = document.body.querySelectorAll('*');
  for (var i = 0; i < all.length; ++i) {
    var el = all[i];
    if (!showsText(el) || /^(SUP|SUB|SMALL|BIG)$/.test(el.tagName)) continue;
    var style = getComputedStyle(el);
    for (var p = 0; p < props.length; ++p) {
      var want = declared(el, props[p]);
      var got = style.getPropertyValue(props[p]);
      if (want && got !== want) {
        wrong.push(el.tagName + '#' + el.id + ' "' + el.textContent.trim().slice(0, 20) + '" ' + props[p] + ' ' +
                   got + ' (sheet: ' + want + ')');
      }
    }
  }
  return wrong;
})()
)JS");

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
    EXPECT_TRUE(QTest::qWaitFor([this] { return browser->visao() != nullptr; }, 20000));  // made on the next turn
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
    desenha([&] {
      browser->MostraVerbete(kEntrada);
      browser->ListaAlternativas(QStringLiteral("<a href='goID://1235'>casa 2</a>"), QString());
      browser->MostrarListaAlternativa(true);
    });
    ASSERT_TRUE(alternativas().contains(QStringLiteral("casa 2")));
  }

  // Runs `acao`, which leaves the page as it is to be shown, and waits until
  // the view has drawn it: the view reports a frame only once the page shown
  // is the document as it then is, with its style sheets and images loaded.
  void desenha(const std::function<void()>& acao) {
    QSignalSpy rendered(view, &WebView::Rendered);
    acao();
    ASSERT_TRUE(rendered.wait(20000));
    ASSERT_TRUE(rendered.last().at(0).toBool());
  }

  QVariant script(const QString& js) { return RunScript(view->page(), js); }
  QString alternativas() {
    return script(QStringLiteral("var e = document.getElementById('ListaAlternativas'); e ? e.textContent : ''"))
        .toString();
  }

  // Runs `acao`, then waits until the page on screen, its style sheet
  // loaded, holds `marca`.
  void mostra(const std::function<void()>& acao, const QString& marca) {
    desenha(acao);
    const QString js = QStringLiteral("document.readyState === 'complete' && document.body.innerHTML.indexOf(%1) >= 0")
                           .arg(aspas(marca));
    ASSERT_TRUE(script(js).toBool()) << marca.toStdString();
  }

  static QString aspas(const QString& texto) {
    return u'"' + QString(texto).replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\"")) + u'"';
  }

  // An entry with its side box: alternatives and a verb's conjugation.
  void mostraVerboComLados() {
    // All 13 tenses of "amar", as the dictionary gives them.
    const QString formas = QStringLiteral(
        "o;as;a;amos;ais;am;ava;avas;ava;ávamos;áveis;avam;ei;aste;ou;amos;astes;aram;ara;aras;ara;áramos;áreis;"
        "aram;arei;arás;ará;aremos;areis;arão;aria;arias;aria;aríamos;aríeis;ariam;e;es;e;emos;eis;em;asse;asses;"
        "asse;ássemos;ásseis;assem;ar;ares;ar;armos;ardes;arem;a;e;emos;ai;em;ar;ares;ar;armos;ardes;arem;ando;ado");
    const QString conjugacao =
        modMain::MontaConjugacao(QStringLiteral("amar"), QStringLiteral("ar") + QChar(160) + formas);
    mostra(
        [&] {
          browser->MostraVerbete(kGelo);
          browser->ListaAlternativas(QStringLiteral("<a href='goID://7'>gelo<sup>2</sup></a><BR>"), conjugacao);
          browser->MostrarListaAlternativa(true);
        },
        QStringLiteral("ListaConjugacao\"><span id=\"vAlternativa\">"));
  }

  QStringList estilosErrados() { return script(kEstilosErrados).toStringList(); }

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

// Every page the browser area shows, in every display model, is drawn as its
// style sheet says: the side box's tables and the results' summaries too.
TEST_F(CBrowserViewTest, EveryPageTakesTheSizeFontAndColourOfItsSheet) {
  ASSERT_NE(view, nullptr);
  for (std::int16_t modelo = 0; modelo < 3; ++modelo) {
    SCOPED_TRACE(modelo);
    browser->AlteraModelo(modelo);
    mostraVerboComLados();
    EXPECT_EQ(estilosErrados(), QStringList()) << "entry";
    EXPECT_EQ(script(QStringLiteral("getComputedStyle(document.querySelector('#ListaConjugacao td')).fontSize"))
                  .toString(),
              QStringLiteral("10px"))
        << "the conjugation's cells";
    mostra([&] { browser->MostraLista(201, {QStringLiteral("1"), QStringLiteral("casa"), QStringLiteral("filtros"),
                                             QString(), QStringLiteral("listaVerbetes"), kResultados,
                                             QStringLiteral("numVerbetes"), QStringLiteral("1 verbete")}); },
           QStringLiteral("Construção onde se mora"));
    EXPECT_EQ(estilosErrados(), QStringList()) << "results";
    mostra([&] { browser->MostraLista(251, {QStringLiteral("1"), QStringLiteral("xyz"), QStringLiteral("filtros"),
                                             QString()}); },
           QStringLiteral("Verifique"));
    EXPECT_EQ(estilosErrados(), QStringList()) << "not found";
    mostra([&] { browser->MostraLista(501, {}); }, QStringLiteral("apenas uma letra"));
    EXPECT_EQ(estilosErrados(), QStringList()) << "message";
  }
  for (const char* pagina : {"h.htm", "manual/manual.htm", "manual/creditos.htm"}) {
    mostra([&] { browser->MostraPagina(paths::appPath() + u'/' + QLatin1String(pagina)); }, QStringLiteral("</h1>"));
    EXPECT_EQ(estilosErrados(), QStringList()) << pagina;
  }
}

// In every model the parts of an entry stay apart: the dictionary model runs
// the lines on, with a blank where each line ended, in the text and on screen.
TEST_F(CBrowserViewTest, ThePartsOfAnEntryKeepASpaceBetweenThemInEveryModel) {
  ASSERT_NE(view, nullptr);
  for (std::int16_t modelo = 0; modelo < 3; ++modelo) {
    SCOPED_TRACE(modelo);
    browser->AlteraModelo(modelo);
    mostra([&] { browser->MostraVerbete(kGelo); }, QStringLiteral("quebrar o gelo"));
    const QString texto = script(QStringLiteral("document.getElementById('AreaVerbete').innerText")).toString();
    EXPECT_TRUE(texto.contains(QRegularExpression(QStringLiteral("s\\.m\\.\\s+Água em estado sólido\\.\\s+quebrar"))))
        << texto.toStdString();
    // From the end of the class to the start of the definition.
    const QVariantList passo =
        script(QStringLiteral("var a = document.getElementById('D_N_CG').getBoundingClientRect();"
                              "var b = document.getElementById('D_DEF').getBoundingClientRect();"
                              "[b.left - a.right, b.top - a.top]"))
            .toList();
    ASSERT_EQ(passo.size(), 2);
    if (modelo == 2) {
      EXPECT_GE(passo[0].toDouble(), 2.0) << "a blank between them";
      EXPECT_EQ(passo[1].toDouble(), 0.0) << "on one line";
    } else {
      EXPECT_GT(passo[1].toDouble(), 0.0) << "on the next line";
    }
  }
}

TEST_F(CBrowserViewTest, ARealClickOnAnEntryLinkReachesTheHandlerAsWritten) {
  mostraEntrada();
  QSignalSpy comando(browser.get(), &CBrowser::ExecComando);
  clica("lar");
  ASSERT_TRUE(comando.count() > 0 || comando.wait(20000));
  EXPECT_EQ(browser->getComandoBrowser(), CBrowser::kComandoVerbete);
  EXPECT_EQ(browser->getIdClicadoLista(), 1234);

  clica("abrigo");
  ASSERT_TRUE(comando.count() > 1 || comando.wait(20000));
  EXPECT_EQ(browser->getComandoBrowser(), CBrowser::kComandoPalavra);
  EXPECT_EQ(browser->getPalavraClicada(), QStringLiteral("abrigo"));
  EXPECT_EQ(browser->getEstado(), 2) << "the page stays";
}

TEST_F(CBrowserViewTest, ScreenshotShowsThePage) {
  mostraEntrada();
  struct Cores {
    int amarelo = 0;  // the highlighted word
    int caixa = 0;    // the side box's background
    int escuro = 0;   // text
  };
  const auto conta = [](const QImage& shot) {
    Cores cores;
    for (int y = 0; y < shot.height(); ++y) {
      for (int x = 0; x < shot.width(); ++x) {
        const QRgb p = shot.pixel(x, y);
        if (p == qRgb(0xFF, 0xFF, 0x00)) ++cores.amarelo;
        if (p == qRgb(0xF6, 0xF6, 0xEE)) ++cores.caixa;
        if (qGray(p) < 100) ++cores.escuro;
      }
    }
    return cores;
  };
  // The view's widget gets the engine's frame a moment after the engine has
  // drawn it: grab until the picture shows the page (the checks below say
  // what it lacked).
  QImage shot;
  Cores cores;
  static_cast<void>(QTest::qWaitFor([&] {
    shot = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    cores = conta(shot);
    return cores.amarelo > 50 && cores.caixa > 200 && cores.escuro > 200;
  }, 20000));
  QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
  const QString file = QStringLiteral(SCREENSHOT_DIR "/entrada.png");
  EXPECT_TRUE(shot.save(file));
  std::cout << "screenshot: " << file.toStdString() << '\n';
  EXPECT_GT(cores.amarelo, 50);
  EXPECT_GT(cores.caixa, 200);
  EXPECT_GT(cores.escuro, 200);
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
