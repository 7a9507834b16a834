// Back and forward through the pages of searches on the sample dictionary:
// the page, the results list and the captions above it show the same search
// at every step.

#include "DLLMiniVocabraDB.h"
#include "DadosDeTeste.h"
#include "JanelaTeste.h"
#include "TabelaChaves.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kSubstantivo = 9;
constexpr int kVerbo = 10;

// What the screen shows of the results: the page, the results list's count
// and the two captions (the filters' with its tooltip).
struct Tela {
  QString pagina;
  std::int32_t entradas = 0;
  QString legenda;
  QString filtros;
  QString dicaFiltros;
};

class frmMainHistoricoResultados : public JanelaTeste {
 protected:
  void SetUp() override {
    modMain::InicializaChaves();
    janela = criaJanela([] { return std::make_unique<DLLMiniVocabraDB>(dadosteste::pastaExemplo()); });
    t.emplace(*janela);
    ASSERT_TRUE(iniciaAtiva(*janela));
    t->cmbFiltro->setCurrentIndex(1);
    emit t->imgAvancada->Click();
    for (int item : {kSubstantivo, kVerbo}) t->lstFiltros->item(item)->setCheckState(Qt::Checked);
  }

  QString pagina() const {
    return t->m_browser.navegador().document().innerHTML(QStringLiteral("AreaVerbete")).value_or(QString());
  }

  // Waits until the page differs from `antes` and the results list has
  // finished loading, and tells what the screen then shows.
  ::testing::AssertionResult espera(const QString& antes, Tela& tela) const {
    if (!QTest::qWaitFor([&] { return pagina() != antes && !t->lista2.Carregando(); }, 10000))
      return ::testing::AssertionFailure() << "the page never changed";
    tela = {pagina(), t->lista2.UltimoIndice() + 1, t->lblDescricaoPesquisa->text(),
            t->lblFiltros->text(), t->lblFiltros->toolTip()};
    return ::testing::AssertionSuccess();
  }

  ::testing::AssertionResult buscaFiltros(bool somados, Tela& tela) {
    const QString antes = pagina();
    if (t->chkAvancada[3]->isChecked() != somados) t->chkAvancada[3]->click();
    t->btBuscar->click();
    return espera(antes, tela);
  }

  ::testing::AssertionResult navega(const char* comando, Tela& tela) {
    const QString antes = pagina();
    janela->ComandoMenu(QString::fromLatin1(comando));
    return espera(antes, tela);
  }

  // The page, the list and its caption count the same entries.
  static void concordam(const Tela& tela) {
    const QString quantos = frmMainTeste::FormataNumVerbetes(tela.entradas);
    EXPECT_TRUE(tela.pagina.contains(quantos)) << quantos.toStdString();
    EXPECT_TRUE(tela.legenda.endsWith(u'(' + quantos + QStringLiteral(")."))) << tela.legenda.toStdString();
  }

  // A page comes back from the history behind the (hidden) side box of an
  // entry.
  static void mesmaTela(const Tela& vista, const Tela& esperada) {
    concordam(vista);
    EXPECT_TRUE(vista.pagina.endsWith(esperada.pagina));
    EXPECT_EQ(vista.entradas, esperada.entradas);
    EXPECT_EQ(vista.legenda, esperada.legenda);
    EXPECT_EQ(vista.filtros, esperada.filtros);
    EXPECT_EQ(vista.dicaFiltros, esperada.dicaFiltros);
  }

  std::unique_ptr<frmMain> janela;
  std::optional<frmMainTeste> t;
};

TEST_F(frmMainHistoricoResultados, BackAndForwardBringTheListAndItsCaptionsBackWithThePage) {
  Tela somados, cruzados, vista;
  ASSERT_TRUE(buscaFiltros(true, somados));
  ASSERT_TRUE(buscaFiltros(false, cruzados));
  concordam(somados);
  concordam(cruzados);
  ASSERT_NE(somados.entradas, cruzados.entradas);
  EXPECT_TRUE(somados.dicaFiltros.endsWith(QStringLiteral("(filtros somados)")));
  EXPECT_FALSE((cruzados.filtros + cruzados.dicaFiltros).contains(QStringLiteral("somados")));
  const int passos = t->m_Historico.Quantidade();

  ASSERT_TRUE(navega("voltar", vista));
  mesmaTela(vista, somados);
  ASSERT_TRUE(navega("avancar", vista));
  mesmaTela(vista, cruzados);
  ASSERT_TRUE(navega("voltar", vista));
  mesmaTela(vista, somados);
  EXPECT_EQ(t->m_Historico.Quantidade(), passos);  // the steps are shown again, not recorded again
}

// A search that finds nothing empties the list; its step, and the step of
// the search before it, bring each their own list and caption back.
TEST_F(frmMainHistoricoResultados, AStepOfASearchThatFoundNothingEmptiesTheListAgain) {
  t->cmbFiltro->setCurrentIndex(0);
  Tela achou, nada, vista;
  t->txtEntrada->setText(QStringLiteral("casa"));
  ASSERT_TRUE(buscaFiltros(false, achou));
  t->txtEntrada->setText(QStringLiteral("xyzw"));
  ASSERT_TRUE(buscaFiltros(false, nada));
  ASSERT_GT(achou.entradas, 0);
  ASSERT_EQ(nada.entradas, 0);
  EXPECT_TRUE(nada.legenda.startsWith(QStringLiteral("Não foi encontrado")));

  ASSERT_TRUE(navega("voltar", vista));
  mesmaTela(vista, achou);
  ASSERT_TRUE(navega("avancar", vista));
  EXPECT_TRUE(vista.pagina.endsWith(nada.pagina));
  EXPECT_EQ(vista.entradas, 0);
  EXPECT_EQ(vista.legenda, nada.legenda);
}

}  // namespace
