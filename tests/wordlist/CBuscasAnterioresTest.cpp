#include "CBuscasAnteriores.h"

#include "CConfig.h"
#include "PictureBox.h"
#include "Registry.h"
#include "ScriptedDialogs.h"
#include "TabelaConfiguracoes.h"
#include "TestFolders.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

const QChar kNbsp(160);

class BuscasAnteriores : public ::testing::Test {
 protected:
  explicit BuscasAnteriores(int altura = 120) {
    painel.resize(150, altura);
    buscas.Inicializa(painel);
    QObject::connect(&buscas, &CBuscasAnteriores::SelecionaItem,
                     [this](const QString& titulo, std::int32_t id) { escolhas.push_back({titulo, id}); });
  }

  void adiciona(std::initializer_list<int> ids) {
    for (int id : ids) buscas.Adiciona(QStringLiteral("v%1").arg(id), id);
  }
  std::vector<int> ids() const {
    std::vector<int> lista;
    for (int i = 1; i <= buscas.Quantidade(); ++i) lista.push_back(buscas.Item(i).getIDVerbete());
    return lista;
  }
  double alturaLinha() const { return painel.surface().TextHeight(QStringLiteral("W")); }
  void clica(double y) {
    QTest::mouseClick(&painel, Qt::LeftButton, Qt::NoModifier, QPoint(10, static_cast<int>(y)));
  }

  PictureBox painel;
  CBuscasAnteriores buscas;
  std::vector<std::pair<QString, std::int32_t>> escolhas;
};

TEST_F(BuscasAnteriores, TheTwentyFirstDistinctEntryDropsTheOldest) {
  for (int id = 1; id <= 21; ++id) buscas.Adiciona(QStringLiteral("v%1").arg(id), id);
  EXPECT_EQ(buscas.Quantidade(), 20);
  EXPECT_EQ(buscas.Item(1).getIDVerbete(), 2);
  clica(2 + alturaLinha() / 2);
  ASSERT_EQ(escolhas.size(), 1u);
  EXPECT_EQ(escolhas[0], std::make_pair(QStringLiteral("v21"), 21));
}

TEST_F(BuscasAnteriores, RepeatsAmongTheFourNewestChangeNothingOlderOnesMoveToTheTop) {
  struct Caso {
    int repetido;
    std::vector<int> depois;
  };
  const Caso casos[] = {
      {5, {1, 2, 3, 4, 5}},  // the newest
      {2, {1, 2, 3, 4, 5}},  // the oldest of the four newest
      {1, {2, 3, 4, 5, 1}},  // older than the four newest
  };
  for (const Caso& caso : casos) {
    CBuscasAnteriores outra;
    for (int id = 1; id <= 5; ++id) outra.Adiciona(QStringLiteral("v%1").arg(id), id);
    outra.Adiciona(QStringLiteral("de novo"), caso.repetido);
    std::vector<int> resultado;
    for (int i = 1; i <= outra.Quantidade(); ++i) resultado.push_back(outra.Item(i).getIDVerbete());
    EXPECT_EQ(resultado, caso.depois) << caso.repetido;
  }
}

TEST_F(BuscasAnteriores, AnEmptyTitleIsIgnored) {
  buscas.Adiciona(QString(), 3);
  EXPECT_EQ(buscas.Quantidade(), 0);
}

TEST_F(BuscasAnteriores, ClicksPickTheRowNewestFirstAndEmptyRowsOrTheMarginRaiseNothing) {
  adiciona({10, 20, 30});
  const double h = alturaLinha();
  clica(2 + h * 1.5);  // second row: the second newest
  clica(2 + h * 3.5);  // below the last item
  clica(1);            // above the first row
  ASSERT_EQ(escolhas.size(), 1u);
  EXPECT_EQ(escolhas[0].second, 20);
}

TEST_F(BuscasAnteriores, TwoItemsAtShutdownWriteOnlyTheNewestTwoPairs) {
  TestFolders mundo;
  reg::Registry registro(mundo.userHive(), mundo.machineHive(), nullptr);
  ScriptedDialogs dialogos;
  CConfig config(registro, dialogos);
  namespace T = TabelaConfiguracoes;
  config.GravaReg(T::HistTit(1), QStringLiteral("antigo"));
  config.GravaReg(T::HistID(1), QStringLiteral("77"));

  adiciona({10, 20});
  buscas.GravaHistorico(config);

  EXPECT_EQ(config.LeReg(T::HistTit(1), QStringLiteral("-")), QStringLiteral("antigo"));
  EXPECT_EQ(config.LeReg(T::HistID(1), QStringLiteral("-")), QStringLiteral("77"));
  EXPECT_EQ(config.LeReg(T::HistTit(2), QStringLiteral("-")), QStringLiteral("-"));
  EXPECT_EQ(config.LeReg(T::HistTit(3), QStringLiteral("-")), QStringLiteral("v10"));
  EXPECT_EQ(config.LeReg(T::HistID(3), QStringLiteral("-")), QStringLiteral("10"));
  EXPECT_EQ(config.LeReg(T::HistTit(4), QStringLiteral("-")), QStringLiteral("v20"));
  EXPECT_EQ(config.LeReg(T::HistID(4), QStringLiteral("-")), QStringLiteral("20"));
}

TEST_F(BuscasAnteriores, RestoreAddsTheSavedItemsOldestFirstAndSkipsWhatCannotBeAnItem) {
  TestFolders mundo;
  reg::Registry registro(mundo.userHive(), mundo.machineHive(), nullptr);
  ScriptedDialogs dialogos;
  CConfig config(registro, dialogos);
  namespace T = TabelaConfiguracoes;
  const std::pair<QString, QString> gravados[] = {
      {QStringLiteral("casa"), QStringLiteral("5")},
      {QStringLiteral("casa"), QStringLiteral("5")},       // the same id again
      {QString(), QStringLiteral("9")},                    // no title
      {QStringLiteral("lua"), QStringLiteral("12abc")},    // not a number
  };
  for (int n = 1; n <= 4; ++n) {
    config.GravaReg(T::HistTit(n), gravados[n - 1].first);
    config.GravaReg(T::HistID(n), gravados[n - 1].second);
  }
  buscas.RestauraHistorico(config);
  EXPECT_EQ(ids(), std::vector<int>({5}));

  CBuscasAnteriores outra;
  for (int n = 1; n <= 4; ++n) {
    config.GravaReg(T::HistTit(n), QStringLiteral("t%1").arg(n));
    config.GravaReg(T::HistID(n), QString::number(n * 100));
  }
  outra.RestauraHistorico(config);
  ASSERT_EQ(outra.Quantidade(), 4);
  EXPECT_EQ(outra.Item(4).getTitulo(), QStringLiteral("t4"));
  EXPECT_EQ(outra.Item(1).getIDVerbete(), 100);
}

// The columns and rows that hold ink (anything not white) inside `area`.
QRect tinta(const QImage& imagem, const QRect& area) {
  QRect caixa;
  for (int y = area.top(); y <= area.bottom() && y < imagem.height(); ++y) {
    for (int x = area.left(); x <= area.right() && x < imagem.width(); ++x) {
      if (imagem.pixel(x, y) != qRgb(255, 255, 255)) caixa |= QRect(x, y, 1, 1);
    }
  }
  return caixa;
}

TEST_F(BuscasAnteriores, DrawsNewestFirstWithOneCutRowBelowThoseThatFit) {
  CBuscasAnteriores outra;
  PictureBox baixo;
  const double h = painel.surface().TextHeight(QStringLiteral("W"));
  baixo.resize(150, static_cast<int>(2.5 * h));  // two rows fit
  outra.Inicializa(baixo);
  int id = 0;
  for (const char* titulo : {"WWWW", "I", "WWWWWWWW", "I"}) outra.Adiciona(QString::fromLatin1(titulo), ++id);
  const QImage& imagem = baixo.surface().image();
  const auto linha = [&](int n) { return tinta(imagem, QRect(0, static_cast<int>(2 + n * h), 150, static_cast<int>(h))); };
  EXPECT_LT(linha(0).width(), linha(1).width() / 4);  // "I", then "WWWWWWWW"
  EXPECT_TRUE(linha(2).isValid());                    // the cut third row, "WWWW"
  EXPECT_FALSE(tinta(imagem, QRect(0, 0, 150, 2)).isValid());
}

TEST_F(BuscasAnteriores, AHomographNumberIsDrawnSmallerAfterABlank) {
  buscas.Adiciona(QStringLiteral("manga") + kNbsp + u'2', 1);
  CBuscasAnteriores simples;
  PictureBox outro;
  outro.resize(150, 120);
  simples.Inicializa(outro);
  simples.Adiciona(QStringLiteral("manga2"), 1);

  DrawingSurface medida;
  medida.setFontName(QStringLiteral("Verdana"));
  medida.setFontSize(7.5);
  const int inicioNumero = static_cast<int>(3 + medida.TextWidth(QStringLiteral("manga")));
  const QRect area(inicioNumero, 0, 150 - inicioNumero, static_cast<int>(2 + medida.TextHeight(QStringLiteral("W"))));
  const QRect pequeno = tinta(painel.surface().image(), area);
  const QRect normal = tinta(outro.surface().image(), area);
  ASSERT_TRUE(pequeno.isValid());
  ASSERT_TRUE(normal.isValid());
  EXPECT_LT(pequeno.height(), normal.height());
  EXPECT_GT(pequeno.left(), normal.left());  // the blank before the number
}

}  // namespace
