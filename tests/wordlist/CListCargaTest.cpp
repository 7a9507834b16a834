#include "ListaFixture.h"

#include <QSignalSpy>

namespace {

using Carga = ListaFixture;

QStringList Paginas(const QStringList& chamadas) {
  QStringList paginas;
  for (const QString& c : chamadas) {
    if (c.startsWith(QStringLiteral("ObtemPagina"))) paginas << c;
  }
  return paginas;
}

// An entry 100 rows into a letter of 1000 entries (base 500).
TEST_F(Carga, AnEntryDeepInALetterLoadsFromHalfAPageAboveItThenWrapsOnce) {
  QSignalSpy inicio(&lista, &CList::IniciaCargaListaLetra);
  lista.ListaLetra(QStringLiteral("b"), 600);
  EXPECT_EQ(db->chamadas.mid(0, 3), QStringList({QStringLiteral("DefineTamanhoPagina(300)"),
                                                 QStringLiteral("ObtemPosicaoPalavra(b)"),
                                                 QStringLiteral("PesquisaMascara(b*,1)")}));
  ASSERT_EQ(inicio.count(), 1);
  EXPECT_EQ(inicio[0][0].toInt(), 588);
  EXPECT_EQ(lista.scroll().Valor(), 88);
  EXPECT_EQ(lista.IndiceSelecionado(), 100);
  EXPECT_EQ(lista.ObtemPoslista(), 0);  // the selected slot is not loaded yet
  EXPECT_FALSE(lista.Carregando());

  EXPECT_TRUE(lista.CarregaListaLetra());
  EXPECT_EQ(lista.ObtemPalavraPos(588), QStringLiteral("b00088"));  // slot 88
  EXPECT_EQ(lista.ObtemPalavraPos(587), QString());
  EXPECT_TRUE(lista.CarregaListaLetra());
  EXPECT_TRUE(lista.CarregaListaLetra());
  EXPECT_TRUE(lista.CarregaListaLetra());  // the letter's end: restarts from its first entry
  EXPECT_FALSE(lista.CarregaListaLetra());  // reached base + 88: complete
  EXPECT_EQ(Paginas(db->chamadas),
            QStringList({QStringLiteral("ObtemPagina(1,588)"), QStringLiteral("ObtemPagina(1,888)"),
                         QStringLiteral("ObtemPagina(1,1188)"), QStringLiteral("ObtemPagina(1,1488)"),
                         QStringLiteral("ObtemPagina(1,0)")}));
  EXPECT_EQ(lista.ObtemPalavraPos(500), QStringLiteral("b00000"));
  EXPECT_EQ(lista.ObtemPoslista(), 600);
}

TEST_F(Carga, AtTheLettersStartTheLoadEndsAtTheFirstEnd) {
  lista.ListaLetra(QStringLiteral("c"), -1);
  EXPECT_EQ(lista.scroll().Valor(), 0);
  EXPECT_EQ(lista.IndiceSelecionado(), 0);
  EXPECT_FALSE(lista.CarregaListaLetra());
  EXPECT_EQ(Paginas(db->chamadas), QStringList({QStringLiteral("ObtemPagina(1,0)")}));
  EXPECT_EQ(lista.ObtemPalavraPos(1539), QStringLiteral("c00039"));
}

struct Posicao {
  const char* letra;
  std::int32_t pos;
  std::int32_t topo, selecionado, inicio;
};

void PrintTo(const Posicao& p, std::ostream* os) { *os << p.letra << " at " << p.pos; }

class CargaPosicao : public Carga, public ::testing::WithParamInterface<Posicao> {};

TEST_P(CargaPosicao, TheTopRowSelectionAndFirstLoadPositionFollowTheEntry) {
  const Posicao p = GetParam();
  QSignalSpy inicio(&lista, &CList::IniciaCargaListaLetra);
  lista.ListaLetra(QString::fromLatin1(p.letra), p.pos);
  EXPECT_EQ(lista.scroll().Valor(), p.topo);
  EXPECT_EQ(lista.IndiceSelecionado(), p.selecionado);
  ASSERT_EQ(inicio.count(), 1);
  EXPECT_EQ(inicio[0][0].toInt(), p.inicio);
}

INSTANTIATE_TEST_SUITE_P(Casos, CargaPosicao,
                         ::testing::Values(Posicao{"b", -1, 0, 0, 0},
                                           Posicao{"b", 505, 0, 5, 0},        // 5 rows in
                                           Posicao{"b", 512, 0, 12, 500},     // exactly half a page in
                                           Posicao{"b", 600, 88, 100, 588},
                                           Posicao{"b", 1495, 974, 995, 1483}));  // among the last dozen

struct Letra {
  const char* nome;
  std::map<char, int> alfabeto;
  const char* letra;
  std::int32_t pos;
  int pagina;
};

void PrintTo(const Letra& l, std::ostream* os) { *os << l.nome; }

class CargaCompleta : public Carga, public ::testing::WithParamInterface<Letra> {};

// Whatever the position and the page size, every slot ends up holding its
// own entry, and the load ends.
TEST_P(CargaCompleta, EverySlotOfTheLetterEndsUpLoaded) {
  const Letra l = GetParam();
  auto proprio = std::make_shared<FakeMiniVocabraDB>(FakeMiniVocabraDB::Alfabeto(l.alfabeto));
  proprio->paginaFixa = l.pagina;
  CList outra;
  PictureBox superficie;
  superficie.resize(253, AlturaParaLinhas(25));
  outra.Inicializa(superficie, proprio, nullptr);
  outra.ListaLetra(QString::fromLatin1(l.letra), l.pos);
  int ticks = 1;
  while (outra.CarregaListaLetra()) ASSERT_LT(++ticks, 1000);
  const std::int32_t base = proprio->ObtemPosicaoPalavra(QString::fromLatin1(l.letra));
  for (std::int32_t slot = 0; slot <= outra.UltimoIndice(); ++slot) {
    ASSERT_EQ(outra.ObtemPalavraPos(base + slot), proprio->palavras()[static_cast<std::size_t>(base + slot)])
        << "slot " << slot;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CargaCompleta,
    ::testing::Values(
        // The first letter listed at entry 20: its first chunk starts at 8.
        Letra{"PrimeiraLetraNaEntrada20", {{'a', 40}, {'b', 10}}, "a", 20, 300},
        // Short pages: the second pass must go on past base + 88 - 12.5.
        Letra{"PaginasCurtas", {{'a', 500}, {'b', 1000}}, "b", 600, 80},
        // A letter shorter than a page: the end comes again after the wrap.
        Letra{"LetraCurta", {{'a', 500}, {'b', 20}}, "b", 515, 300},
        Letra{"Inicio", {{'a', 500}, {'b', 1000}}, "b", -1, 300},
        Letra{"UltimaDuzia", {{'a', 500}, {'b', 1000}}, "b", 1495, 300},
        Letra{"UmaLinhaPorPagina", {{'a', 3}, {'b', 30}}, "b", 25, 1}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Carga, ALetterWithNoEntriesLeavesTheRowsAsTheyWere) {
  ListaECarrega(QStringLiteral("c"), -1);
  pesquisando.show();
  QSignalSpy inicio(&lista, &CList::IniciaCargaListaLetra);
  lista.ListaLetra(QStringLiteral("x"), -1);
  EXPECT_EQ(inicio.count(), 0);
  EXPECT_FALSE(lista.Carregando());
  EXPECT_TRUE(pesquisando.isHidden());
  EXPECT_EQ(lista.UltimoIndice(), 39);
  EXPECT_EQ(lista.ObtemLetraAtual(), QStringLiteral("c"));
  EXPECT_EQ(lista.ObtemPalavraPos(1500), QStringLiteral("c00000"));
}

TEST_F(Carga, ChunksStoreTheirCompletePairsAndKeepTheHomographMark) {
  const QString manga = QStringLiteral("manga") + QChar(0xA0) + QStringLiteral("1");
  QStringList respostas = {QString(), QStringLiteral("casa|1500|") + manga + QStringLiteral("|1501|"),
                           QStringLiteral("cego|1502|cedo|1503"), QStringLiteral("cera|1504|cesta")};
  db->paginador = [&respostas](std::int16_t, std::int32_t inicio, QString& pagina) {
    pagina = respostas.takeFirst();
    return respostas.isEmpty() ? -1 : inicio + 1;
  };
  lista.ListaLetra(QStringLiteral("c"), -1);
  EXPECT_TRUE(lista.CarregaListaLetra());  // an empty chunk stores nothing
  EXPECT_EQ(lista.ObtemPalavraPos(1500), QString());
  for (int i = 0; i < 3; ++i) lista.CarregaListaLetra();
  EXPECT_EQ(lista.ObtemPalavraPos(1500), QStringLiteral("casa"));
  EXPECT_EQ(lista.ObtemPalavraPos(1501), manga);
  // "cedo" had no final "|": it is lost and the next chunk follows on.
  EXPECT_EQ(lista.ObtemPalavraPos(1503), QStringLiteral("cera"));
  EXPECT_EQ(lista.ObtemPalavraPos(1504), QString());  // a word with no id is dropped
}

TEST_F(Carga, AComponentThatStopsAdvancingOrFailsEndsTheLoad) {
  lista.ListaLetra(QStringLiteral("b"), 600);
  db->paginador = [](std::int16_t, std::int32_t inicio, QString& pagina) {
    pagina.clear();
    return inicio;
  };
  EXPECT_FALSE(lista.CarregaListaLetra());
  lista.ListaLetra(QStringLiteral("b"), 600);
  db->paginador = [](std::int16_t, std::int32_t, QString&) -> std::int32_t { throw std::runtime_error("erro"); };
  EXPECT_FALSE(lista.CarregaListaLetra());
}

TEST_F(Carga, ABuildThatFailsKeepsTheRowsAndClearsTheLoadingFlag) {
  ListaECarrega(QStringLiteral("e"), -1);
  db->falhaEm = QStringLiteral("PesquisaMascara");
  QSignalSpy inicio(&lista, &CList::IniciaCargaListaLetra);
  EXPECT_NO_THROW(lista.ListaLetra(QStringLiteral("b"), 600));
  EXPECT_FALSE(lista.Carregando());
  EXPECT_EQ(inicio.count(), 0);
  EXPECT_EQ(lista.UltimoIndice(), 9);
  EXPECT_EQ(lista.ObtemPalavraPos(1560), QStringLiteral("e00000"));
}

TEST_F(Carga, ANewBuildRestartsTheChunkState) {
  lista.ListaLetra(QStringLiteral("b"), 600);
  EXPECT_TRUE(lista.CarregaListaLetra());
  ListaECarrega(QStringLiteral("d"), -1);
  EXPECT_EQ(lista.UltimoIndice(), 19);
  EXPECT_EQ(lista.ObtemPalavraPos(1559), QStringLiteral("d00019"));
  EXPECT_EQ(Paginas(db->chamadas).last(), QStringLiteral("ObtemPagina(1,0)"));
}

TEST_F(Carga, FinalizaClearsTheLoadingFlagAndAnUnboundListIsInert) {
  lista.Finaliza();
  EXPECT_FALSE(lista.Carregando());
  CList solta;
  solta.ListaLetra(QStringLiteral("a"), -1);
  EXPECT_FALSE(solta.CarregaListaLetra());
  EXPECT_EQ(solta.ObtemPoslista(), -1);
  EXPECT_EQ(solta.ObtemPalavraPos(3), QString());
  solta.TrataTecla(40);
  solta.Repaint();
}

}  // namespace
