#include "ListaFixture.h"

#include "ResourceStrings.h"

#include <QSignalSpy>
#include <QTimer>

namespace {

// The word list of ListaFixture as a results list, with the filters' sum
// box and the window height under the test's control.
class CListBusca : public ListaFixture {
 protected:
  CListBusca() {
    lista.DefineBusca({[this] { return somados; }, [this] { return alturaTwips; }});
  }

  QStringList chamadas(const QString& prefixo) const { return db->chamadas.filter(prefixo); }

  bool somados = false;
  double alturaTwips = 7200;
  QSignalSpy retorno{&lista, &CList::RetornoBusca};
  QSignalSpy naoEncontrado{&lista, &CList::NaoEncontrado};
};

std::vector<std::int32_t> ids(std::int32_t de, std::int32_t quantos) {
  std::vector<std::int32_t> v;
  for (std::int32_t i = 0; i < quantos; ++i) v.push_back(de + i);
  return v;
}

TEST_F(CListBusca, FlexibleSearchAsksInLowerCaseAndReportsTheWordAsPassed) {
  db->resultados[QStringLiteral("flexivel:casa")] = {1500, 1501, 1502};
  lista.ListaPesquisaFlexivel(QStringLiteral("Casa"), QString());
  ASSERT_EQ(retorno.size(), 1);
  EXPECT_EQ(retorno[0][0].toString(), QStringLiteral("Casa"));
  EXPECT_EQ(retorno[0][2].toInt(), 2);
  EXPECT_EQ(retorno[0][3].toInt(), 1);
  EXPECT_EQ(lista.UltimoIndice(), 2);
  EXPECT_EQ(lista.IndiceSelecionado(), -1);
  EXPECT_EQ(lista.ObtemLetraAtual(), QString());
  EXPECT_FALSE(lista.Carregando());
  EXPECT_TRUE(chamadas(QStringLiteral("DefineFiltro")).isEmpty());  // no filter string, no filter calls
  lista.SelecionaItemID(1502);
  EXPECT_EQ(lista.ObtemPoslista(), 1502);
}

TEST_F(CListBusca, ReverseSearchReportsTheTextWithoutItsPlusSigns) {
  db->resultados[QStringLiteral("reversa:amor +paixão")] = {3};
  lista.ListaPesquisaReversa(QStringLiteral("amor +paixão"), QString());
  ASSERT_EQ(retorno.size(), 1);
  EXPECT_EQ(retorno[0][0].toString(), QStringLiteral("amor paixão"));
  EXPECT_EQ(retorno[0][3].toInt(), 3);
  // One result: nothing to scroll.
  EXPECT_EQ(lista.UltimoIndice(), 0);
  EXPECT_EQ(lista.DeslocamentoVisivel(), 0);
  EXPECT_EQ(lista.scroll().ValorMax(), 0);
}

TEST_F(CListBusca, NothingFoundRaisesNaoEncontradoAndEmptiesTheList) {
  db->resultados[QStringLiteral("mascara:a*")] = {1, 2};
  lista.ListaPesquisaMascara(QStringLiteral("a*"), QString());
  lista.ListaPesquisaMascara(QStringLiteral("zz*"), QString());
  ASSERT_EQ(naoEncontrado.size(), 1);
  EXPECT_EQ(naoEncontrado[0][0].toString(), QStringLiteral("zz*"));
  EXPECT_EQ(naoEncontrado[0][1].toInt(), 2);
  EXPECT_EQ(lista.UltimoIndice(), -1);
  EXPECT_EQ(lista.ObtemPoslista(), -1);
  EXPECT_FALSE(lista.Carregando());
  EXPECT_FALSE(pesquisando.isVisible());
}

struct CasoFiltro {
  const char* filtro;
  bool somados;
  QStringList esperado;
};

TEST_F(CListBusca, FilterStringsBecomeTheComponentsFilterSequence) {
  const std::vector<CasoFiltro> casos = {
      {"4;7;", false, {"DefineFiltro(0,0)", "DefineFiltro(3,12)", "DefineFiltro(2,15)", "DefineFiltro(1,0)"}},
      {"4;7;", true, {"DefineFiltro(0,0)", "DefineFiltro(3,12)", "DefineFiltro(3,15)", "DefineFiltro(1,0)"}},
      {";5", false, {"DefineFiltro(0,0)", "DefineFiltro(2,13)", "DefineFiltro(1,0)"}},
      {"", true, {}},
  };
  for (const CasoFiltro& caso : casos) {
    db->chamadas.clear();
    somados = caso.somados;
    lista.ListaPesquisaReversa(QStringLiteral("*"), QString::fromLatin1(caso.filtro));
    EXPECT_EQ(chamadas(QStringLiteral("DefineFiltro")), caso.esperado) << caso.filtro;
  }
}

TEST_F(CListBusca, ResultsHtmlIsCappedByTheWindowHeight) {
  db->resultados[QStringLiteral("flexivel:a")] = ids(0, 20);
  const QString nota = LoadResString(124);
  const std::vector<std::pair<double, int>> casos = {{7200, 7}, {8000, 8}};
  for (const auto& [altura, entradas] : casos) {
    retorno.clear();
    alturaTwips = altura;
    lista.ListaPesquisaFlexivel(QStringLiteral("a"), QString());
    const QString html = retorno[0][1].toString();
    EXPECT_EQ(html.count(QStringLiteral("<span id='T7'>")), entradas) << altura;
    EXPECT_TRUE(html.endsWith(nota)) << altura;
  }
  db->resultados[QStringLiteral("flexivel:a")] = ids(0, 6);
  retorno.clear();
  alturaTwips = 7200;
  lista.ListaPesquisaFlexivel(QStringLiteral("a"), QString());
  EXPECT_FALSE(retorno[0][1].toString().contains(nota));
}

TEST_F(CListBusca, ResultsHtmlLinksEachEntryWithItsSummary) {
  db->resultados[QStringLiteral("flexivel:a")] = {7};
  db->htmls[7] = QStringLiteral("<span id=\"D_ETM\">lat.</span><span id=\"D_N_CG\">s.f.</span>"
                                "<span id=\"D_DEF\">Uma coisa.</span>");
  lista.ListaPesquisaFlexivel(QStringLiteral("a"), QString());
  EXPECT_EQ(retorno[0][1].toString(),
            QStringLiteral("<span id='T7'><a href='goID://7'>a00007</a></span><BR>"
                           "<table width=100% ><tr><td><span id='T8'><a href='goID://7'>lat. s.f. Uma coisa.</a>"
                           "</td></tr></table></span>"));
}

TEST_F(CListBusca, RowsLoadPageByPageFromTheFirstResult) {
  db->paginaFixa = 100;
  db->resultados[QStringLiteral("mascara:b*")] = ids(500, 1000);
  lista.ListaPesquisaMascara(QStringLiteral("b*"), QString());
  EXPECT_EQ(lista.UltimoIndice(), 999);
  EXPECT_EQ(chamadas(QStringLiteral("ObtemPagina(0,0)")).size(), 2);  // the HTML's page, then the rows'
  EXPECT_EQ(chamadas(QStringLiteral("ObtemPagina(0,900)")).size(), 1);
  lista.SelecionaItemID(1499);
  EXPECT_EQ(lista.ObtemPoslista(), 1499);
  EXPECT_EQ(lista.scroll().Valor(), 0);
}

// As in the letter list: a result page without its final "|" loses its
// last pair, and the next page's rows follow the pairs it kept.
TEST_F(CListBusca, APageWithoutItsFinalBarLosesItsLastPairOnly) {
  db->resultados[QStringLiteral("mascara:x*")] = {1, 2, 3, 4};
  db->paginador = [](std::int16_t, std::int32_t inicio, QString& pagina) {
    pagina = inicio == 0 ? QStringLiteral("w|1|x|2|y|3") : QStringLiteral("z|4|");
    return inicio == 0 ? 3 : -1;
  };
  lista.ListaPesquisaMascara(QStringLiteral("x*"), QString());
  EXPECT_FALSE(lista.SelecionaItemID(3));
  ASSERT_TRUE(lista.SelecionaItemID(4));
  EXPECT_EQ(lista.IndiceSelecionado(), 2);
  ASSERT_TRUE(lista.SelecionaItemID(2));
  EXPECT_EQ(lista.IndiceSelecionado(), 1);
}

TEST_F(CListBusca, AnotherBuildDuringTheLoadStopsTheSearchUntouched) {
  db->paginaFixa = 100;
  db->resultados[QStringLiteral("mascara:b*")] = ids(500, 1000);
  QTimer::singleShot(0, [this] { lista.Finaliza(); });
  lista.ListaPesquisaMascara(QStringLiteral("b*"), QString());
  EXPECT_FALSE(lista.SelecionaItemID(500));  // no page was stored
  EXPECT_EQ(chamadas(QStringLiteral("ObtemPagina(0,100)")).size(), 0);
}

TEST_F(CListBusca, AFailingComponentEndsTheSearchQuietly) {
  db->resultados[QStringLiteral("flexivel:a")] = {1};
  db->falhaEm = QStringLiteral("ObtemPagina(0");
  EXPECT_NO_THROW(lista.ListaPesquisaFlexivel(QStringLiteral("a"), QString()));
  EXPECT_FALSE(lista.Carregando());
  EXPECT_FALSE(pesquisando.isVisible());
}

}  // namespace
