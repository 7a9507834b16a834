#include "ListaFixture.h"

#include <QSignalSpy>
#include <QTest>

#include <vector>

namespace {

using Entrada = ListaFixture;

auto SinalSelecionaItem() { return qOverload<const QString&, std::int32_t>(&CList::SelecionaItem); }

struct Teclas {
  const char* letra;
  std::int32_t pos;
  std::vector<std::int16_t> teclas;
  std::int32_t selecionado, topo;
};

void PrintTo(const Teclas& t, std::ostream* os) {
  *os << t.letra << " at " << t.pos << ", " << t.teclas.size() << " keys from " << t.teclas.front();
}

class EntradaTeclas : public Entrada, public ::testing::WithParamInterface<Teclas> {};

TEST_P(EntradaTeclas, KeysMoveTheSelectionAndKeepItInView) {
  const Teclas t = GetParam();
  ListaECarrega(QString::fromLatin1(t.letra), t.pos);
  QSignalSpy itens(&lista, SinalSelecionaItem());
  for (const std::int16_t tecla : t.teclas) lista.TrataTecla(tecla);
  EXPECT_EQ(lista.IndiceSelecionado(), t.selecionado);
  EXPECT_EQ(lista.scroll().Valor(), t.topo);
  EXPECT_EQ(itens.count(), 0);  // moving keys report nothing
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EntradaTeclas,
    ::testing::Values(Teclas{"e", -1, {34}, 9, 0},            // 10 rows: a page is 9
                      Teclas{"b", -1, {40, 40, 40, 33}, 0, 0},  // page up from row 3
                      Teclas{"b", -1, std::vector<std::int16_t>(25, 40), 25, 0},  // to the last drawn row
                      Teclas{"b", -1, std::vector<std::int16_t>(26, 40), 26, 1},  // and one past it
                      Teclas{"b", 600, {38}, 99, 88}, Teclas{"b", 600, {33}, 75, 75},
                      Teclas{"b", 600, {34, 34}, 150, 125}, Teclas{"b", -1, {38}, 0, 0},
                      Teclas{"b", 1499, {40}, 999, 974}, Teclas{"b", 600, {65, 116}, 100, 88}));

TEST_F(Entrada, EnterReportsTheSelectedRowWithItsWordAndId) {
  ListaECarrega(QStringLiteral("b"), 600);
  QSignalSpy itens(&lista, SinalSelecionaItem());
  lista.TrataTecla(13);
  ASSERT_EQ(itens.count(), 1);
  EXPECT_EQ(itens[0][0].toString(), QStringLiteral("b00100"));
  EXPECT_EQ(itens[0][1].toInt(), 600);
}

TEST_F(Entrada, AClickSelectsTheRowUnderThePointerAndReportsIt) {
  ListaECarrega(QStringLiteral("b"), 600);  // top row 88
  QSignalSpy itens(&lista, SinalSelecionaItem());
  QTest::mouseClick(&fundo, Qt::LeftButton, {}, QPoint(60, static_cast<int>(MeioLinha(2))));
  EXPECT_EQ(lista.IndiceSelecionado(), 90);
  ASSERT_EQ(itens.count(), 1);
  EXPECT_EQ(itens[0][1].toInt(), 590);
}

TEST_F(Entrada, AClickAboveTheFirstRowPicksTheRowAboveTheTop) {
  ListaECarrega(QStringLiteral("b"), 503);
  emit fundo.MouseDown(1, 0, 60, 5);
  EXPECT_EQ(lista.IndiceSelecionado(), 3);  // top 0: nothing changes
  ListaECarrega(QStringLiteral("b"), 552);
  EXPECT_EQ(lista.scroll().Valor(), 40);
  emit fundo.MouseDown(1, 0, 60, 5);
  EXPECT_EQ(lista.IndiceSelecionado(), 39);
}

TEST_F(Entrada, AClickBelowTheLastRowSelectsTheLastRow) {
  ListaECarrega(QStringLiteral("e"), -1);
  emit fundo.MouseDown(1, 0, 60, MeioLinha(20));
  EXPECT_EQ(lista.IndiceSelecionado(), 9);
}

TEST_F(Entrada, ADoubleClickReportsAgainOnlyWhenTheListHoldsMoreThanOneRow) {
  ListaECarrega(QStringLiteral("f"), -1);
  QSignalSpy itens(&lista, SinalSelecionaItem());
  emit fundo.Click();
  emit fundo.DblClick();
  EXPECT_EQ(itens.count(), 1);
  ListaECarrega(QStringLiteral("e"), -1);
  emit fundo.Click();
  emit fundo.DblClick();
  EXPECT_EQ(itens.count(), 3);
}

TEST_F(Entrada, AListFilledBeforeThePointerComesShowsTheDefaultPointer) {
  ListaECarrega(QStringLiteral("e"), -1);
  EXPECT_NE(fundo.cursor().shape(), Qt::BitmapCursor);
}

TEST_F(Entrada, AnEmptyListReportsNothingAndShowsTheHandOnlyOverItsHint) {
  QSignalSpy itens(&lista, SinalSelecionaItem());
  emit fundo.MouseDown(1, 0, 60, 5);
  emit fundo.Click();
  lista.Executa();
  EXPECT_EQ(itens.count(), 0);
  EXPECT_EQ(lista.ObtemPoslista(), -1);
  const struct {
    double x, y;
    bool mao;
  } pontos[] = {{98, 56, true},   {160, 62, true},  {97, 60, false}, {161, 60, false},
                 {120, 55, false}, {120, 63, false}, {50, 60, false}};
  for (const auto& p : pontos) {
    emit fundo.MouseMove(0, 0, p.x, p.y);
    EXPECT_EQ(fundo.cursor().shape() == Qt::BitmapCursor, p.mao) << p.x << ", " << p.y;
  }
  ListaECarrega(QStringLiteral("e"), -1);
  emit fundo.MouseMove(0, 0, 120, 60);
  EXPECT_NE(fundo.cursor().shape(), Qt::BitmapCursor);  // left as it was
}

struct Selecao {
  std::int32_t id, selecionado, topo;
};

void PrintTo(const Selecao& s, std::ostream* os) { *os << "id " << s.id; }

class EntradaSelecao : public Entrada, public ::testing::WithParamInterface<Selecao> {};

TEST_P(EntradaSelecao, SelectingAnIdHoldsItWithinTheRowsAndCentresIt) {
  ListaECarrega(QStringLiteral("b"), -1);
  lista.SelecionaItem(GetParam().id);
  EXPECT_EQ(lista.IndiceSelecionado(), GetParam().selecionado);
  EXPECT_EQ(lista.scroll().Valor(), GetParam().topo);
}

INSTANTIATE_TEST_SUITE_P(Casos, EntradaSelecao,
                         ::testing::Values(Selecao{100, 0, 0}, Selecao{5000, 999, 974}, Selecao{505, 5, 0},
                                           Selecao{520, 20, 8}, Selecao{521, 21, 8}, Selecao{1488, 988, 974}));

TEST_F(Entrada, SelectingByIdWithoutScrollingFindsOnlyIdsInTheList) {
  ListaECarrega(QStringLiteral("b"), -1);
  EXPECT_TRUE(lista.SelecionaItemID(530));
  EXPECT_EQ(lista.IndiceSelecionado(), 30);
  EXPECT_EQ(lista.scroll().Valor(), 0);
  EXPECT_FALSE(lista.SelecionaItemID(5));
  EXPECT_EQ(lista.IndiceSelecionado(), 30);
}

TEST_F(Entrada, TheTextOfSeventeenSlotsStopsAtTheListsEnd) {
  ListaECarrega(QStringLiteral("e"), -1);
  EXPECT_EQ(lista.getTextPos(7), QStringLiteral("e00007<br>e00008<br>e00009<br>"));
  EXPECT_TRUE(lista.getTextPos(0).startsWith(QStringLiteral("e00000<br>e00001<br>")));
}

}  // namespace
