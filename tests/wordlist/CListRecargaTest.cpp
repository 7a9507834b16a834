#include "ListaFixture.h"

#include <QSignalSpy>

namespace {

// A results search run again for a page that shows its results already.
class CListRecarga : public ListaFixture {
 protected:
  QSignalSpy retorno{&lista, &CList::RetornoBusca};
  QSignalSpy naoEncontrado{&lista, &CList::NaoEncontrado};
};

TEST_F(CListRecarga, TheRowsComeBackWithoutAnEventOrTheResultsPage) {
  db->resultados[QStringLiteral("flexivel:casa")] = {1500, 1501, 1502};
  lista.RecarregaBusca(BuscaLista::Tipo::Flexivel, QStringLiteral("Casa"), QString());
  EXPECT_EQ(retorno.size(), 0);
  EXPECT_EQ(lista.UltimoIndice(), 2);
  EXPECT_FALSE(lista.Carregando());
  EXPECT_EQ(db->chamadas.filter(QStringLiteral("ObtemPagina(0,0)")).size(), 1);  // the rows' page only
  ASSERT_TRUE(lista.SelecionaItemID(1502));
  EXPECT_EQ(lista.ObtemPoslista(), 1502);
}

TEST_F(CListRecarga, ASearchThatNowFindsNothingEmptiesTheListSilently) {
  db->resultados[QStringLiteral("mascara:a*")] = {1, 2};
  lista.ListaPesquisaMascara(QStringLiteral("a*"), QString());
  lista.RecarregaBusca(BuscaLista::Tipo::Mascara, QStringLiteral("zz*"), QString());
  EXPECT_EQ(naoEncontrado.size(), 0);
  EXPECT_EQ(lista.UltimoIndice(), -1);
  EXPECT_FALSE(pesquisando.isVisible());
}

TEST_F(CListRecarga, NoKindOfSearchLeavesTheListAsItIs) {
  db->resultados[QStringLiteral("mascara:a*")] = {1, 2};
  lista.ListaPesquisaMascara(QStringLiteral("a*"), QString());
  db->chamadas.clear();
  lista.RecarregaBusca(BuscaLista::Tipo::Nenhuma, QStringLiteral("b*"), QString());
  EXPECT_TRUE(db->chamadas.isEmpty());
  EXPECT_EQ(lista.UltimoIndice(), 1);
}

}  // namespace
