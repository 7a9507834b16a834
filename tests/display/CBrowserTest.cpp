#include "BrowserFixture.h"
#include "ResourceStrings.h"

#include <QRegularExpression>

namespace {

const QString kEntrada = QStringLiteral("<span id=\"D_TIT\">casa</span> <span id=\"D_DEF\">Casa azul.</span>");

using CBrowserTest = BrowserFixture;

TEST_F(CBrowserTest, StartUpLoadsTheTemplateThenShowsTheStartPage) {
  ASSERT_NE(browser.visao(), nullptr);
  EXPECT_EQ(browser.visao()->geometry(), QRect(-2, -2, 514, 554));
  EXPECT_EQ(browser.getArquivoModelo(), QStringLiteral("\\f1.htm"));
  EXPECT_EQ(browser.navegador().readyState(), WebBrowser::ReadyState::Uninitialized);

  browser.AlteraModelo(1);
  EXPECT_EQ(browser.getEstado(), 3);
  completa();
  EXPECT_EQ(browser.getEstado(), 2);
  EXPECT_TRUE(browser.navegador().locationURL().endsWith(QStringLiteral("\\f2.htm")));
  EXPECT_EQ(carregado.count(), 0) << "nothing was waiting";

  const QString inicio = paths::appPath() + QStringLiteral("\\h.htm");
  browser.MostraPagina(inicio);
  EXPECT_EQ(browser.getEstado(), 1);
  ASSERT_EQ(histPagina.count(), 1);
  EXPECT_EQ(histPagina.at(0).at(0).toString(), inicio);
  completa();
  EXPECT_EQ(carregado.count(), 0) << "never for MostraPagina";
}

TEST_F(CBrowserTest, EntryWhileAHelpPageIsShownLoadsTheTemplateFirst) {
  carregaModelo();
  mostraAjuda();
  browser.PalavraBusca(QStringLiteral("azul"), QString(), QString());
  browser.MarcaPalavra(true);
  browser.DefineCorPalavraEncontrada(65535, 0);

  browser.MostraVerbete(kEntrada);
  EXPECT_EQ(browser.getEstado(), 3);
  EXPECT_EQ(carregado.count(), 0);
  completa();
  EXPECT_EQ(browser.getEstado(), 2);
  EXPECT_EQ(carregado.count(), 1);
  const QString html = area();
  EXPECT_TRUE(html.startsWith(QStringLiteral("<table"))) << "the side box comes first";
  EXPECT_EQ(visibilidade(), QStringLiteral("hidden"));
  EXPECT_TRUE(html.contains(QStringLiteral("<span style=\"background-color:#ffff00;color:#000000;\">azul</span>")));
  EXPECT_EQ(browser.getHTML(), kEntrada);
}

TEST_F(CBrowserTest, OnlyTheLastOfTwoEntriesBeforeTheTemplateLoadsIsWritten) {
  browser.MostraVerbete(QStringLiteral("<p>primeiro</p>"));
  browser.MostraVerbete(QStringLiteral("<p>segundo</p>"));
  completa();
  EXPECT_EQ(carregado.count(), 1);
  EXPECT_FALSE(area().contains(QStringLiteral("primeiro")));
  EXPECT_TRUE(area().contains(QStringLiteral("segundo")));
}

TEST_F(CBrowserTest, SideListsWaitForTheTemplateAndAreShownWhenItLoads) {
  browser.MostraVerbete(kEntrada);
  browser.ListaAlternativas(QStringLiteral("<a href='goID://7'>casa 2</a>"), QString());
  browser.MostrarListaAlternativa(true);  // nothing to show yet: ignored
  EXPECT_EQ(browser.getAlternativas(), QStringLiteral("<a href='goID://7'>casa 2</a>"));
  completa();
  EXPECT_EQ(elemento("ListaAlternativas"),
            QStringLiteral("<span id=\"vAlternativa\"><a href=\"goID://7\">casa 2</a></span>"));
  EXPECT_EQ(visibilidade(), QStringLiteral("visible"));
  EXPECT_FALSE(elemento("ListaEspaco").contains(QStringLiteral("Linha.gif"))) << "one list: the plain spacer";
  EXPECT_EQ(elemento("ListaConjugacao"), QString());

  browser.MostraVerbete(kEntrada);
  browser.ListaAlternativas(QStringLiteral("alt"), QStringLiteral("<table><tr><td>amo</td></tr></table>"));
  EXPECT_TRUE(elemento("ListaEspaco").contains(QStringLiteral("Linha.gif"))) << "both: the separator";
  EXPECT_TRUE(elemento("ListaConjugacao").contains(QStringLiteral("amo")));
  EXPECT_EQ(visibilidade(), QStringLiteral("hidden")) << "the caller shows the box";
  browser.MostrarListaAlternativa(true);
  EXPECT_EQ(visibilidade(), QStringLiteral("visible"));
}

TEST_F(CBrowserTest, SideListsAreIgnoredWithoutATemplateAndBlankListsWriteNothing) {
  mostraAjuda();
  browser.ListaAlternativas(QStringLiteral("alt"), QStringLiteral("conj"));
  EXPECT_EQ(browser.getAlternativas(), QString());

  browser.MostraVerbete(kEntrada);
  completa();
  browser.ListaAlternativas(QStringLiteral("   "), QString());
  EXPECT_EQ(elemento("ListaAlternativas"), QString());
}

TEST_F(CBrowserTest, ListPageEscapesOnlyTheSearchWords) {
  carregaModelo();
  browser.MostraVerbete(kEntrada);
  const QString valor = QStringLiteral("<b> x");
  browser.MostraLista(201, {QStringLiteral("1"), valor, QStringLiteral("filtros"), valor,
                            QStringLiteral("numVerbetes"), QStringLiteral("3 verbetes"),
                            QStringLiteral("listaVerbetes"), QStringLiteral("<a href='goID://1'>a</a>")});
  ASSERT_EQ(historico.count(), 1);
  const QString pagina = historico.at(0).at(0).toString();
  EXPECT_TRUE(pagina.contains(QStringLiteral("<span id=\"T5\">&lt;b&gt;&nbsp;x</span>")));
  EXPECT_TRUE(pagina.contains(QStringLiteral("<span id=\"T4\"><b> x</span>")));
  EXPECT_TRUE(pagina.contains(QStringLiteral("background='simples.gif'")));
  EXPECT_TRUE(pagina.contains(QStringLiteral("background='duplo.gif'")));
  EXPECT_FALSE(pagina.contains(QRegularExpression(QStringLiteral("%\\w")))) << "every placeholder replaced";

  EXPECT_EQ(carregado.count(), 2);
  EXPECT_EQ(browser.getHTML(), kEntrada) << "the last entry stays for copying";
  EXPECT_FALSE(area().contains(QStringLiteral("table1"))) << "no side box on a list page";
  EXPECT_TRUE(area().contains(QStringLiteral("3 verbetes")));
}

TEST_F(CBrowserTest, ListPageWaitingForTheTemplateIsKeptAndWrittenWithTheBox) {
  browser.PalavraBusca(QStringLiteral("verbetes"), QString(), QString());
  browser.MarcaPalavra(true);
  browser.MostraLista(117, {});
  EXPECT_EQ(browser.getEstado(), 3);
  EXPECT_EQ(browser.getHTML(), historico.at(0).at(0).toString());
  completa();
  EXPECT_EQ(carregado.count(), 1);
  EXPECT_TRUE(area().startsWith(QStringLiteral("<table")));
  EXPECT_FALSE(area().contains(QStringLiteral("background-color"))) << "list pages are not highlighted";
}

TEST_F(CBrowserTest, ModelSwitchWritesTheEntryAgainInTheNewTemplate) {
  carregaModelo();
  browser.MostraVerbete(kEntrada);
  browser.AlteraModelo(2);
  EXPECT_EQ(browser.getEstado(), 3);
  completa();
  EXPECT_TRUE(browser.navegador().locationURL().endsWith(QStringLiteral("\\f3.htm")));
  EXPECT_TRUE(area().contains(QStringLiteral("Casa azul.")));
  EXPECT_EQ(carregado.count(), 2);

  browser.AlteraModelo(5);
  completa();
  EXPECT_TRUE(browser.navegador().locationURL().endsWith(QStringLiteral("\\f3.htm"))) << "same template";
  EXPECT_EQ(browser.getCodModelo(), 5);
  EXPECT_EQ(carregado.count(), 3);
  for (std::int16_t b = 1; b <= 3; ++b) EXPECT_EQ(browser.ObtemVisualNome(b), QStringLiteral("BTNVISUAL%1").arg(b));
}

TEST_F(CBrowserTest, ModelSwitchOverAnOrdinaryPageOnlyChangesTheTemplate) {
  carregaModelo();
  mostraAjuda();
  const QString pagina = browser.navegador().locationURL();
  browser.AlteraModelo(1);
  completa();
  EXPECT_EQ(browser.getEstado(), 1);
  EXPECT_EQ(browser.getCodModelo(), 0);
  EXPECT_EQ(browser.getArquivoModelo(), QStringLiteral("\\f2.htm"));
  EXPECT_EQ(browser.navegador().locationURL(), pagina);
}

TEST_F(CBrowserTest, VisualButtonNames) {
  const struct {
    std::int16_t usando, modelo, botao;
    const char* nome;
  } cases[] = {
      {0, 1, 2, "BTNVISUAL2SELECIONADO"}, {0, 1, 3, "BTNVISUAL3"}, {2, 0, 1, "BTNVISUAL1"},
      {2, 0, 2, "BTNVISUAL2SELECIONADO"}, {0, 0, 1, "BTNVISUAL1SELECIONADO"},
  };
  for (const auto& c : cases) {
    browser.AlteraModelo(c.modelo);
    browser.setUsandoBotoes(c.usando);
    EXPECT_EQ(browser.ObtemVisualNome(c.botao), QString::fromUtf8(c.nome)) << c.usando << " " << c.modelo;
  }
}

TEST_F(CBrowserTest, LayoutClipsTheViewBorderAndCentresTheNotices) {
  recorte->setGeometry(180, 60, 10, 10);
  browser.Tamanho(800, 600);
  EXPECT_EQ(recorte->geometry(), QRect(180, 60, 610, 517));
  EXPECT_EQ(browser.visao()->geometry(), QRect(-2, -2, 614, 521));
  EXPECT_EQ(aguarde->pos(), QPoint(255, 238));  // 238.5: halves go to the even integer
  EXPECT_EQ(pesquisando->pos(), QPoint(275, 248));
  browser.Tamanho(733, 600);  // a box 543 wide
  EXPECT_EQ(aguarde->x(), 222);  // 221.5
  EXPECT_EQ(pesquisando->x(), 242);  // 241.5

  browser.Tamanho(100, 50);  // smaller than the box's place: nothing negative
  EXPECT_EQ(recorte->size(), QSize(0, 0));
}

TEST_F(CBrowserTest, AMissingAreaInTheTemplateStillReportsTheWriting) {
  folders.write(QStringLiteral("program/f1.htm"), "<html><body>sem area</body></html>");
  browser.MostraVerbete(kEntrada);
  completa();
  EXPECT_EQ(carregado.count(), 1);
  EXPECT_EQ(browser.getEstado(), 2);
}

TEST_F(CBrowserTest, MakersSiteOpensOutsideWithoutChangingTheState) {
  carregaModelo();
  browser.AbreWeb();
  ASSERT_EQ(abertos.size(), 1u);
  EXPECT_EQ(abertos[0], QUrl(CBrowser::kSiteFabricante));
  EXPECT_EQ(browser.getEstado(), 2);
  EXPECT_EQ(histPagina.count(), 0);
}

TEST(ResourceStrings, SideBoxAndSeparatorHoldTheElementsThePagesWriteTo) {
  const QString caixa = LoadResString(400);
  for (const char* id : {"id=\"table1\"", "id=\"ListaAlternativas\"", "id=\"ListaEspaco\"", "id=\"ListaConjugacao\"",
                         "style=\"visibility:hidden;\"", "bgcolor=\"#F6F6EE\"", "align=\"right\""}) {
    EXPECT_TRUE(caixa.contains(QString::fromUtf8(id))) << id;
  }
  EXPECT_TRUE(LoadResString(600).contains(QStringLiteral("background=\"Linha.gif\"><img src=\"Linha.gif\">")));
}

}  // namespace
