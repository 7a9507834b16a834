#include "DLLMiniVocabraDB.h"
#include "JanelaTeste.h"
#include "TabelaChaves.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The whole road on the sample dictionary with the real component: typing
// a word shows its entry and the word list around it.
class frmMainPontaAPonta : public JanelaTeste {
 protected:
  // A main window over the sample dictionary that the build makes.
  std::unique_ptr<frmMain> janelaNaAmostra() {
    modMain::InicializaChaves();
    return criaJanela([] {
      return std::make_unique<DLLMiniVocabraDB>(QStringLiteral(MINIVOCABRA_BINARY_DIR "/program/dados"));
    });
  }
};

TEST_F(frmMainPontaAPonta, TypingCasaShowsItsEntryAndTheWordList) {
  auto janela = janelaNaAmostra();
  ASSERT_TRUE(iniciaAtiva(*janela));

  janela->txtEntrada->setFocus();
  QTest::keyClicks(janela->txtEntrada, QStringLiteral("casa"));
  const PageDocument& pagina = janela->m_browser->navegador().document();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return pagina.innerHTML(QStringLiteral("AreaVerbete")).value_or(QString()).contains(u"casa"); }, 5000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !janela->picAguarde->isVisible(); }, 2000));

  ASSERT_TRUE(QTest::qWaitFor([&] { return !janela->tmrListaCarga->Enabled(); }, 5000));
  const std::int32_t id = janela->lista->ObtemPoslista();
  EXPECT_EQ(janela->lista->ObtemPalavraPos(id), QStringLiteral("casa"));
  EXPECT_EQ(janela->lista->ObtemLetraAtual(), QStringLiteral("c"));
  EXPECT_EQ(janela->m_EscolheLetra->LetraSelecionada(), QChar('C'));
  EXPECT_TRUE(pagina.innerHTML(QStringLiteral("AreaVerbete"))->contains(QStringLiteral("D_DEF")));
}

// A search through the entries' text on the sample dictionary: the results
// page lists entries with their summaries, and the results list holds them.
TEST_F(frmMainPontaAPonta, SearchingTheEntriesTextListsResultsWithSummaries) {
  auto janela = janelaNaAmostra();
  ASSERT_TRUE(iniciaAtiva(*janela));

  janela->imgAvancada_Click();
  janela->chkAvancada[2]->click();
  janela->txtEntrada->setText(QStringLiteral("casa"));
  janela->btBuscar->click();
  const PageDocument& pagina = janela->m_browser->navegador().document();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return pagina.innerHTML(QStringLiteral("AreaVerbete")).value_or(QString()).contains(u"goID://"); }, 5000));
  EXPECT_TRUE(janela->picLista2->isVisible());
  EXPECT_GE(janela->lista2->UltimoIndice(), 0);
  EXPECT_FALSE(janela->lista2->Carregando());
  EXPECT_TRUE(janela->lblDescricaoPesquisa->text().contains(QStringLiteral("no texto do verbete")));
  // The summaries are text inside their entry's link.
  EXPECT_FALSE(pagina.innerHTML(QStringLiteral("AreaVerbete"))->contains(QStringLiteral("<a href=\"goto://")));
}

}  // namespace
