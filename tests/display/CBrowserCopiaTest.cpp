#include "BrowserFixture.h"

#include <QFile>

namespace {

const QString kEntrada = QStringLiteral(
    "<span id=\"D_TIT\">casa</span><span id=\"D_SUP_TIT\">2</span><BR>\t<span id=\"D_DEF\">Moradia;<br>lar "
    "&amp; ninho.</span>");
const QString kConjugacao = QStringLiteral(
    "<table align='right'><tr><td><table width = 90><tr><td>eu&nbsp;amo</td></tr>\t<tr><td>tu&nbsp;amas<br></td>"
    "</tr></table></td></tr></table>");

class CBrowserCopia : public BrowserFixture {
 protected:
  CBrowserCopia() { folders.write(QStringLiteral("program/css/estilo1.css"), "#D_TIT{}"); }

  void mostraVerbete(const QString& alternativas, const QString& conjugacao) {
    carregaModelo();
    browser.MostraVerbete(kEntrada);
    browser.ListaAlternativas(alternativas, conjugacao);
    if (!alternativas.isEmpty() || !conjugacao.isEmpty()) browser.MostrarListaAlternativa(true);
  }
  // The page as it was when printing was asked for.
  QString imprime() {
    QString impresso;
    QObject::connect(&browser.navegador(), &WebBrowser::PrintRequested, &browser,
                     [&] { impresso = browser.navegador().document().toHtml(); });
    browser.Imprimir();
    return impresso;
  }
  QString fragmento() const {
    const QByteArray doc = clipboard.dados(QStringLiteral("HTML Format"));
    const qsizetype inicio = doc.indexOf("<!--StartFragment -->") + 21;
    return QString::fromLatin1(doc.mid(inicio, doc.indexOf("<!--EndFragment -->") - inicio));
  }
  QString texto() const { return QString::fromUtf8(clipboard.dados(QStringLiteral("text"))); }
};

TEST_F(CBrowserCopia, PrintingLeavesTheAlternativesOutKeepsTheConjugationAndPutsThePageBack) {
  mostraVerbete(QStringLiteral("<a href='goID://9'>casa 1</a>"), QStringLiteral("<table><tr><td>amo</td></tr></table>"));
  const QString antes = area();
  const QString impresso = imprime();
  EXPECT_TRUE(impresso.contains(QStringLiteral("amo")));
  EXPECT_FALSE(impresso.contains(QStringLiteral("casa 1")));
  EXPECT_TRUE(impresso.contains(QStringLiteral("visibility:visible")) ||
              impresso.contains(QStringLiteral("visibility: visible")));
  EXPECT_EQ(area(), antes);
}

TEST_F(CBrowserCopia, PrintingWithAlternativesOnlyHasNoSideBox) {
  mostraVerbete(QStringLiteral("<a href='goID://9'>casa 1</a>"), QString());
  const QString impresso = imprime();
  EXPECT_FALSE(impresso.contains(QStringLiteral("casa 1")));
  EXPECT_TRUE(impresso.contains(QStringLiteral("hidden")));
  EXPECT_TRUE(impresso.contains(QStringLiteral("Moradia")));
}

TEST_F(CBrowserCopia, PrintingAPageWithoutTheSideBoxPrintsItAsShown) {
  mostraAjuda();
  const QString pagina = browser.navegador().document().toHtml();
  EXPECT_EQ(imprime(), pagina);
  EXPECT_EQ(browser.navegador().document().toHtml(), pagina);
}

TEST_F(CBrowserCopia, EntryGoesAsHtmlWithTheStyleAndARaisedHomographAndAsText) {
  mostraVerbete(QString(), QString());
  browser.CopiaVerbete();
  EXPECT_EQ(clipboard.chamadas().first(), QStringLiteral("Clear"));
  EXPECT_EQ(clipboard.chamadas().last(), QStringLiteral("SetText"));
  EXPECT_EQ(fragmento(), QStringLiteral("<style>#D_TIT{}</style><span id=\"D_TIT\">casa</span><sup><span "
                                        "id=\"D_SUP_TIT\">2</sup></span><BR>\t<span id=\"D_DEF\">Moradia;<br>lar "
                                        "&amp; ninho.</span>"));
  // Only "<BR>" breaks the line; references stay as written.
  EXPECT_EQ(texto(), QStringLiteral("casa2\r\nMoradia;lar &amp; ninho."));
}

TEST_F(CBrowserCopia, EntryWithoutAClosedHomographSpanIsCopiedWithoutMarks) {
  carregaModelo();
  browser.MostraVerbete(QStringLiteral("<b>p\u00e9</b><span id=\"D_SUP_TIT\">1"));
  browser.CopiaVerbete();
  EXPECT_TRUE(fragmento().endsWith(QStringLiteral("<b>p&#233;</b><span id=\"D_SUP_TIT\">1")));
}

TEST_F(CBrowserCopia, NothingIsCopiedWithoutATemplateOrAConjugation) {
  browser.CopiaVerbete();
  browser.CopiaVerbo();
  EXPECT_TRUE(clipboard.chamadas().isEmpty());
}

TEST_F(CBrowserCopia, ConjugationGoesWideAndAsOneLinePerRow) {
  mostraVerbete(QString(), kConjugacao);
  browser.CopiaVerbo();
  EXPECT_EQ(fragmento(), QStringLiteral("<style>#D_TIT{}</style><table ><tr><td><table width = 240><tr><td>eu&nbsp;"
                                        "amo</td></tr>\t<tr><td>tu&nbsp;amas</td></tr></table></td></tr></table>"));
  EXPECT_EQ(texto(), QStringLiteral("eu amo\r\ntu amas\r\n\r\n"));
}

TEST_F(CBrowserCopia, ElementsToCopyFollowWhatWasShown) {
  bool verbete = true;
  bool conjugacao = true;
  browser.TemElementos(verbete, conjugacao);
  EXPECT_FALSE(verbete);
  EXPECT_FALSE(conjugacao);
  mostraVerbete(QString(), kConjugacao);
  browser.TemElementos(verbete, conjugacao);
  EXPECT_TRUE(verbete);
  EXPECT_TRUE(conjugacao);
  // A list page written into the template keeps the entry to copy.
  browser.MostraLista(117, {});
  browser.TemElementos(verbete, conjugacao);
  EXPECT_TRUE(verbete);
  EXPECT_FALSE(conjugacao);
  browser.CopiaVerbete();
  EXPECT_TRUE(fragmento().contains(QStringLiteral("Moradia")));
}

}  // namespace
