#include "FakeMiniVocabraDB.h"
#include "JanelaTeste.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const std::vector<QString> kPalavras = {QStringLiteral("abelha"), QStringLiteral("amigo"), QStringLiteral("bola"),
                                        QStringLiteral("casa"),   QStringLiteral("casaco"), QStringLiteral("dado")};

// The main window over a small scripted dictionary, started and shown; the
// pages it builds are caught as they go to the history.
class frmMainBusca : public JanelaTeste {
 protected:
  void SetUp() override {
    janela = criaJanela([this] {
      auto db = std::make_unique<FakeMiniVocabraDB>(kPalavras);
      componente = db.get();
      return db;
    });
    ASSERT_TRUE(janela->Form_Load());
    janela->show();
    janela->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
    janela->Form_Activate();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !janela->tmrListaCarga->Enabled(); }, 5000));
    componente->chamadas.clear();
    paginas = std::make_unique<QSignalSpy>(janela->m_browser.get(), &CBrowser::Historico);
  }

  QString ultimaPagina() const { return paginas->isEmpty() ? QString() : paginas->last()[0].toString(); }
  QStringList chamadas(const char* prefixo) const { return componente->chamadas.filter(QString::fromUtf8(prefixo)); }
  void busca(const QString& texto) {
    janela->txtEntrada->setText(texto);
    janela->btBuscar->click();
  }
  void abreAvancada(bool filtroLigado) {
    janela->cmbFiltro->setCurrentIndex(filtroLigado ? 1 : 0);
    janela->imgAvancada_Click();
  }
  void marcaFiltros(std::initializer_list<int> itens) {
    for (int i : itens) janela->lstFiltros->item(i)->setCheckState(Qt::Checked);
  }
  void marcaOpcoes(std::initializer_list<int> caixas) {
    for (int i : caixas) janela->chkAvancada[static_cast<std::size_t>(i)]->click();
  }

  FakeMiniVocabraDB* componente = nullptr;
  std::unique_ptr<frmMain> janela;
  std::unique_ptr<QSignalSpy> paginas;
};

TEST_F(frmMainBusca, BlanksOnlyShowTheHintPageAndAskNothing) {
  busca(QStringLiteral("  "));
  EXPECT_TRUE(ultimaPagina().contains(QStringLiteral("Para procurar um verbete")));
  EXPECT_TRUE(chamadas("Pesquisa").isEmpty());
}

TEST_F(frmMainBusca, AMaskInTheSimplePanelListsItsResultsWithPageAndCaption) {
  componente->resultados[QStringLiteral("mascara:ca*o")] = {4};
  busca(QStringLiteral("ca*o"));
  EXPECT_EQ(chamadas("PesquisaMascara(ca*o,0)").size(), 1);
  EXPECT_TRUE(chamadas("DefineFiltro").isEmpty());
  EXPECT_TRUE(janela->picLista2->isVisible());
  EXPECT_TRUE(janela->imgBtSelLista[1]->isVisible());
  EXPECT_FALSE(janela->PicLista->isVisible());
  EXPECT_TRUE(ultimaPagina().contains(QStringLiteral("goID://4")));
  EXPECT_TRUE(ultimaPagina().contains(QStringLiteral("1 verbete")));
  EXPECT_EQ(janela->lblDescricaoPesquisa->text(),
            QStringLiteral("Resultado da busca de palavras iniciadas por “ca” e  terminadas em “o”  (1 verbete)."));
  EXPECT_TRUE(janela->lblFiltros->text().isEmpty());
}

TEST_F(frmMainBusca, AFlexibleSearchThatFindsNothingShowsTheNotFoundPage) {
  busca(QStringLiteral("xyz"));
  EXPECT_TRUE(ultimaPagina().contains(QStringLiteral("Não foi encontrado o verbete")));
  EXPECT_EQ(janela->lblDescricaoPesquisa->text(), QStringLiteral("Não foi encontrado o verbete “xyz”."));
  EXPECT_FALSE(janela->picAguarde->isVisible());
  EXPECT_TRUE(janela->PicLista->isVisible());  // the results list is not switched to
}

TEST_F(frmMainBusca, HostileTextStaysTextInPageAndCaption) {
  busca(QStringLiteral("<img src=x onerror=alert(1)>"));
  EXPECT_FALSE(ultimaPagina().contains(QStringLiteral("<img")));
  EXPECT_EQ(janela->lblDescricaoPesquisa->textFormat(), Qt::PlainText);
}

TEST_F(frmMainBusca, FilterCodesAndDescription) {
  marcaFiltros({7, 10});  // "Preposição", "Verbo"
  EXPECT_EQ(janela->ObtemFiltros(), QString());  // the filter is off
  abreAvancada(true);
  EXPECT_EQ(janela->ObtemFiltros(), QStringLiteral("9;13;"));
  marcaFiltros({0});
  janela->chkAvancada[3]->setChecked(true);
  EXPECT_EQ(janela->DescreveFiltros(), QStringLiteral("Filtro: Adjetivo | Preposição | Verbo (filtros somados)"));
  EXPECT_EQ(frmMain::FormataNumVerbetes(0), QStringLiteral("0 verbete"));
  EXPECT_EQ(frmMain::FormataNumVerbetes(2), QStringLiteral("2 verbetes"));
}

TEST_F(frmMainBusca, FiltersAloneRunTheFilterOnlyQuery) {
  abreAvancada(true);
  marcaFiltros({3, 6});  // codes 4 and 7
  EXPECT_FALSE(janela->VerificaBusca());
  busca(QString());
  EXPECT_EQ(chamadas("PesquisaReversa(*)").size(), 1);
  EXPECT_EQ(chamadas("DefineFiltro"), QStringList({"DefineFiltro(0,0)", "DefineFiltro(3,12)", "DefineFiltro(2,15)",
                                                   "DefineFiltro(1,0)"}));
  EXPECT_TRUE(ultimaPagina().contains(QStringLiteral("nenhum verbete")));
  EXPECT_EQ(janela->lblDescricaoPesquisa->text(), QStringLiteral("Resultado da aplicação do filtro  (nenhum verbete)."));
  EXPECT_TRUE(janela->lblFiltros->text().startsWith(QStringLiteral("Filtro: Conjunção")));
}

TEST_F(frmMainBusca, AdvancedPanelWithNothingTickedSearchesAsTheSimpleOne) {
  abreAvancada(false);
  EXPECT_TRUE(janela->VerificaBusca());
  busca(QStringLiteral("casa"));
  EXPECT_EQ(chamadas("PesquisaFlexivel(casa)").size(), 1);
}

TEST_F(frmMainBusca, OneLetterInTheEntriesTextIsRefused) {
  abreAvancada(false);
  marcaOpcoes({0, 1, 2});
  janela->txtEntrada1->setText(QStringLiteral("a"));
  janela->txtEntrada2->setText(QStringLiteral("b"));
  janela->btBuscar->click();
  EXPECT_TRUE(ultimaPagina().contains(QStringLiteral("apenas uma letra")));
  EXPECT_TRUE(chamadas("Pesquisa").isEmpty());
}

TEST_F(frmMainBusca, StartsWithInTheEntriesTextDropsTheStarsAndAppendsOne) {
  abreAvancada(false);
  marcaOpcoes({0, 2});
  busca(QStringLiteral("ca*sa*"));
  EXPECT_EQ(chamadas("PesquisaReversa(casa*)").size(), 1);
  QString palavra, iniciada, terminada;
  janela->lista2->getPalavraBusca(palavra, iniciada, terminada);
  EXPECT_EQ(iniciada, QStringLiteral("ca*sa*"));
}

TEST_F(frmMainBusca, AFullTextQueryJoinsItsWordsWithPlus) {
  abreAvancada(false);
  marcaOpcoes({2});
  busca(QStringLiteral("amor paixão"));
  EXPECT_EQ(chamadas("PesquisaReversa(amor +paixão)").size(), 1);
}

TEST_F(frmMainBusca, AWideFilterCaptionIsCutAndItsTooltipHoldsAll) {
  abreAvancada(true);
  marcaFiltros({0, 1, 2, 3, 4, 5, 6});
  busca(QString());
  EXPECT_TRUE(janela->lblFiltros->text().endsWith(QStringLiteral(" ...")));
  EXPECT_EQ(janela->lblFiltros->toolTip(), janela->DescreveFiltros());
}

}  // namespace
