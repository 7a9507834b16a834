#include "FakeMiniVocabraDB.h"
#include "JanelaTeste.h"
#include "ResourceImages.h"
#include "ResourceStrings.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QMouseEvent>
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
    t.emplace(*janela);
    ASSERT_TRUE(iniciaAtiva(*janela));
    componente->chamadas.clear();
    paginas = std::make_unique<QSignalSpy>(&t->m_browser, &CBrowser::Historico);
  }

  QString ultimaPagina() const { return paginas->isEmpty() ? QString() : paginas->last()[0].toString(); }
  QStringList chamadas(const char* prefixo) const { return componente->chamadas.filter(QString::fromUtf8(prefixo)); }
  void busca(const QString& texto) {
    t->txtEntrada->setText(texto);
    t->btBuscar->click();
  }
  void abreAvancada(bool filtroLigado) {
    t->cmbFiltro->setCurrentIndex(filtroLigado ? 1 : 0);
    emit t->imgAvancada->Click();
  }
  void marcaFiltros(std::initializer_list<int> itens) {
    for (int i : itens) t->lstFiltros->item(i)->setCheckState(Qt::Checked);
  }
  void marcaOpcoes(std::initializer_list<int> caixas) {
    for (int i : caixas) t->chkAvancada[static_cast<std::size_t>(i)]->click();
  }

  FakeMiniVocabraDB* componente = nullptr;
  std::unique_ptr<frmMain> janela;
  std::optional<frmMainTeste> t;
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
  EXPECT_TRUE(t->picLista2->isVisible());
  EXPECT_TRUE(t->imgBtSelLista[1]->isVisible());
  EXPECT_FALSE(t->PicLista->isVisible());
  EXPECT_TRUE(ultimaPagina().contains(QStringLiteral("goID://4")));
  EXPECT_TRUE(ultimaPagina().contains(QStringLiteral("1 verbete")));
  EXPECT_EQ(t->lblDescricaoPesquisa->text(),
            QStringLiteral("Resultado da busca de palavras iniciadas por “ca” e  terminadas em “o”  (1 verbete)."));
  EXPECT_TRUE(t->lblFiltros->text().isEmpty());
}

TEST_F(frmMainBusca, AFlexibleSearchThatFindsNothingShowsTheNotFoundPage) {
  busca(QStringLiteral("xyz"));
  EXPECT_TRUE(ultimaPagina().contains(QStringLiteral("Não foi encontrado o verbete")));
  EXPECT_EQ(t->lblDescricaoPesquisa->text(), QStringLiteral("Não foi encontrado o verbete “xyz”."));
  EXPECT_FALSE(t->picAguarde->isVisible());
  EXPECT_TRUE(t->PicLista->isVisible());  // the results list is not switched to
}

TEST_F(frmMainBusca, HostileTextStaysTextInPageAndCaption) {
  busca(QStringLiteral("<img src=x onerror=alert(1)>"));
  EXPECT_FALSE(ultimaPagina().contains(QStringLiteral("<img")));
  EXPECT_EQ(t->lblDescricaoPesquisa->textFormat(), Qt::PlainText);
}

TEST_F(frmMainBusca, FilterCodesAndDescription) {
  marcaFiltros({7, 10});  // "Preposição", "Verbo"
  EXPECT_EQ(t->ObtemFiltros(), QString());  // the filter is off
  abreAvancada(true);
  EXPECT_EQ(t->ObtemFiltros(), QStringLiteral("9;13;"));
  marcaFiltros({0});
  t->chkAvancada[3]->setChecked(true);
  EXPECT_EQ(t->DescreveFiltros(), QStringLiteral("Filtro: Adjetivo | Preposição | Verbo (filtros somados)"));
  EXPECT_EQ(frmMainTeste::FormataNumVerbetes(0), QStringLiteral("0 verbete"));
  EXPECT_EQ(frmMainTeste::FormataNumVerbetes(2), QStringLiteral("2 verbetes"));
}

TEST_F(frmMainBusca, FiltersAloneRunTheFilterOnlyQuery) {
  abreAvancada(true);
  marcaFiltros({3, 6});  // codes 4 and 7
  EXPECT_FALSE(t->VerificaBusca());
  busca(QString());
  EXPECT_EQ(chamadas("PesquisaReversa(*)").size(), 1);
  EXPECT_EQ(chamadas("DefineFiltro"), QStringList({"DefineFiltro(0,0)", "DefineFiltro(3,12)", "DefineFiltro(2,15)",
                                                   "DefineFiltro(1,0)"}));
  EXPECT_TRUE(ultimaPagina().contains(QStringLiteral("nenhum verbete")));
  EXPECT_EQ(t->lblDescricaoPesquisa->text(), QStringLiteral("Resultado da aplicação do filtro  (nenhum verbete)."));
  EXPECT_TRUE(t->lblFiltros->text().startsWith(QStringLiteral("Filtro: Conjunção")));
}

TEST_F(frmMainBusca, AdvancedPanelWithNothingTickedSearchesAsTheSimpleOne) {
  abreAvancada(false);
  EXPECT_TRUE(t->VerificaBusca());
  busca(QStringLiteral("casa"));
  EXPECT_EQ(chamadas("PesquisaFlexivel(casa)").size(), 1);
}

TEST_F(frmMainBusca, OneLetterInTheEntriesTextIsRefused) {
  abreAvancada(false);
  marcaOpcoes({0, 1, 2});
  t->txtEntrada1->setText(QStringLiteral("a"));
  t->txtEntrada2->setText(QStringLiteral("b"));
  t->btBuscar->click();
  EXPECT_TRUE(ultimaPagina().contains(QStringLiteral("apenas uma letra")));
  EXPECT_TRUE(chamadas("Pesquisa").isEmpty());
}

// The stop-word pages leave no entry on screen: the note being edited is
// saved and its box closed, as for every other page.
TEST_F(frmMainBusca, TheStopWordPagesSaveTheOpenNoteAndCloseItsBox) {
  abreAvancada(false);
  marcaOpcoes({2});
  const QString pasta = t->config.LeReg(QStringLiteral("DirNotas"), QString());
  const std::pair<const char*, const char*> casos[] = {{"de", "\"de\""}, {"a b", "apenas uma letra"}};
  std::int32_t id = 2;
  for (const auto& [consulta, pagina] : casos) {
    t->m_Notas.VerificaVerbete(id);
    t->m_Notas.setVisible(true);
    t->txtNota->setPlainText(QStringLiteral("nota de %1").arg(id));
    busca(QString::fromUtf8(consulta));
    EXPECT_TRUE(ultimaPagina().contains(QString::fromUtf8(pagina))) << consulta;
    EXPECT_FALSE(t->m_Notas.EhVisivel()) << consulta;
    QFile nota(pasta + QStringLiteral("/id%1.txt").arg(id, 6, 10, QLatin1Char('0')));
    ASSERT_TRUE(nota.open(QIODevice::ReadOnly)) << consulta;
    EXPECT_EQ(nota.readAll(), QStringLiteral("nota de %1\r\n").arg(id).toLatin1());
    ++id;
  }
  EXPECT_TRUE(chamadas("Pesquisa").isEmpty());
}

TEST_F(frmMainBusca, StartsWithInTheEntriesTextDropsTheStarsAndAppendsOne) {
  abreAvancada(false);
  marcaOpcoes({0, 2});
  busca(QStringLiteral("ca*sa*"));
  EXPECT_EQ(chamadas("PesquisaReversa(casa*)").size(), 1);
  QString palavra, iniciada, terminada;
  t->lista2.getPalavraBusca(palavra, iniciada, terminada);
  EXPECT_EQ(iniciada, QStringLiteral("ca*sa*"));
}

TEST_F(frmMainBusca, AFullTextQueryJoinsItsWordsWithPlus) {
  abreAvancada(false);
  marcaOpcoes({2});
  busca(QStringLiteral("amor paixão"));
  EXPECT_EQ(chamadas("PesquisaReversa(amor +paixão)").size(), 1);
}

TEST_F(frmMainBusca, AFailingComponentEndsTheSearchQuietly) {
  abreAvancada(false);
  marcaOpcoes({2});
  componente->falhaEm = QStringLiteral("ObtemFormas");
  EXPECT_NO_THROW(busca(QStringLiteral("amor paixão")));
  EXPECT_FALSE(t->picAguarde->isVisible());
}

TEST_F(frmMainBusca, AWideFilterCaptionIsCutAndItsTooltipHoldsAll) {
  abreAvancada(true);
  marcaFiltros({0, 1, 2, 3, 4, 5, 6});
  busca(QString());
  EXPECT_TRUE(t->lblFiltros->text().endsWith(QStringLiteral(" ...")));
  EXPECT_EQ(t->lblFiltros->toolTip(), t->DescreveFiltros());
}

}  // namespace

namespace {

using frmMainLayout = frmMainBusca;

TEST_F(frmMainLayout, TheWindowKeepsItsMinimumSize) {
  janela->resize(500, 400);
  EXPECT_EQ(janela->size(), QSize(640, 490));
  janela->resize(500, 700);
  EXPECT_EQ(janela->size(), QSize(640, 700));
}

TEST_F(frmMainLayout, TheToolbarSharesANarrowWidthAndKeepsItsSpacingOnAWideOne) {
  janela->resize(640, 600);
  const std::array<QWidget*, 5> botoes = {t->btVisual[0], t->btVisual[1], t->btVisual[2],
                                          t->imgPrinter, t->imgNota};
  const std::array<int, 5> estreita = {420, 449, 478, 507, 536};
  for (std::size_t i = 0; i < botoes.size(); ++i) EXPECT_EQ(botoes[i]->x(), estreita[i]) << i;
  for (int largura : {701, 1000}) {
    janela->resize(largura, 600);
    EXPECT_EQ(t->imgNota->x(), largura - 123);
    EXPECT_EQ(t->imgPrinter->x(), largura - 163);
    EXPECT_EQ(t->btVisual[2]->x(), 505);
    EXPECT_EQ(t->imgClose->x(), largura - 22);
  }
}

TEST_F(frmMainLayout, ThePanelShapesMoveTheLowerBlockAndShareTheSpaceBelow) {
  abreAvancada(true);
  EXPECT_EQ(t->btBuscar->y(), 285);
  EXPECT_EQ(t->PicLista->y(), 285 + 111);
  EXPECT_TRUE(t->lstFiltros->isVisible());
  EXPECT_FALSE(t->picBuscasAnteriores->isVisible());
  EXPECT_EQ(t->PicLista->y() + t->PicLista->height(), t->imgFundo[1]->y());
  t->cmbFiltro->setCurrentIndex(0);
  emit t->cmbFiltro->activated(t->cmbFiltro->currentIndex());
  EXPECT_EQ(t->btBuscar->y(), 180);
  EXPECT_TRUE(t->picBuscasAnteriores->isVisible());
  EXPECT_EQ(t->PicLista->y() + t->PicLista->height(), t->picBuscasAnteriores->y() - 26);
  emit t->imgFechar->Click();
  EXPECT_EQ(t->btBuscar->y(), 100);
  EXPECT_TRUE(t->imgAvancada->isVisible());
  EXPECT_FALSE(t->cmbFiltro->isVisible());
}

TEST_F(frmMainLayout, StartsWithAndEndsWithSwitchToThePairOfFieldsAndBack) {
  abreAvancada(false);
  t->txtEntrada->setText(QStringLiteral("cas"));
  marcaOpcoes({0, 1});
  EXPECT_FALSE(t->txtEntrada->isVisible());
  EXPECT_TRUE(t->txtEntrada2->isVisible());
  EXPECT_EQ(t->txtEntrada1->text(), QStringLiteral("cas"));
  t->txtEntrada1->setText(QStringLiteral("casa"));
  marcaOpcoes({1});
  EXPECT_TRUE(t->txtEntrada->isVisible());
  EXPECT_EQ(t->txtEntrada->text(), QStringLiteral("casa"));
}

TEST_F(frmMainLayout, ABandCoversTheToolbarWhileNoEntryIsShown) {
  janela->resize(846, 638);
  const QImage tela = janela->grab().toImage();
  EXPECT_EQ(tela.pixelColor(600, 20), QColor(140, 162, 199));
  EXPECT_NE(tela.pixelColor(380, 20), QColor(140, 162, 199));  // the title area stays
}

// A maximised window is larger than the design: the title band, the frame
// under it and the left panel go on to its edges.
TEST_F(frmMainLayout, TheBackgroundGoesOnBeyondTheDesignSize) {
  janela->resize(1200, 900);
  const QImage tela = janela->grab().toImage();
  const QImage fundo = res::LoadResPicture(QStringLiteral("FUNDO_MINI"));
  EXPECT_EQ(tela.pixelColor(1100, 46), fundo.pixelColor(845, 46));  // the frame band under the title
  EXPECT_EQ(tela.pixelColor(1100, 42), fundo.pixelColor(845, 42));   // the title band's foot
  EXPECT_EQ(tela.pixelColor(3, 800), fundo.pixelColor(3, 600));       // the left panel
  EXPECT_EQ(tela.pixelColor(700, 700), QColor(Qt::white));            // the page area
}

// Every results caption, with a short query and a four-digit count, keeps
// its last line inside the caption's box.
TEST_F(frmMainLayout, EveryResultsCaptionFitsItsBox) {
  const QFontMetrics medida(t->lblDescricaoPesquisa->font());
  const QRect caixa(QPoint(0, 0), t->lblDescricaoPesquisa->size());
  for (int id : {301, 302, 303, 304, 305, 306, 307, 308, 310, 351, 352, 353, 354, 355, 356, 357, 358}) {
    const QString legenda = LoadResString(id)
                                .replace(QStringLiteral("%numVerbetes"), QStringLiteral("1234 verbetes"))
                                .replace(QStringLiteral("%1"), QStringLiteral("casa"))
                                .replace(QStringLiteral("%2"), QStringLiteral("mento"));
    EXPECT_LE(medida.boundingRect(caixa, Qt::TextWordWrap, legenda).height(), caixa.height()) << id;
  }
}

using frmMainLink = frmMainBusca;

// A link to an id that names no entry changes nothing on screen, records
// nothing, and takes the wait picture away.
TEST_F(frmMainLink, AnIdWithNoEntryShowsNothingAndClearsTheWaitPicture) {
  const std::size_t mensagens = dialogs.calls().size();
  const int passos = t->m_Historico.Quantidade();
  const std::int32_t selecionado = t->lista.ObtemPoslista();
  QSignalSpy comando(t->tmrComandoBrowser, &VbTimer::Timer);  // heard after the window has run the command
  t->m_browser.navegador().FollowLink(QStringLiteral("goID://99999999999"));
  ASSERT_TRUE(comando.wait(20000));
  EXPECT_FALSE(t->picAguarde->isVisible());
  EXPECT_FALSE(t->imgPrinter->isVisible());  // no entry toolbar
  EXPECT_EQ(t->m_Historico.Quantidade(), passos);
  EXPECT_EQ(dialogs.calls().size(), mensagens);
  EXPECT_EQ(t->lista.ObtemLetraAtual(), QStringLiteral("a"));
  EXPECT_EQ(t->lista.ObtemPoslista(), selecionado);
}

using frmMainPalavraClicada = frmMainBusca;

TEST_F(frmMainPalavraClicada, AnAbbreviationShowsItsMeaningsBelowThePointerAndCloses) {
  componente->abreviaturas[QStringLiteral("s.f.")] = QStringLiteral("substantivo|feminino#");
  const QPoint origem = janela->mapToGlobal(QPoint(0, 0));
  tela.cursor = origem + QPoint(400, 300);
  QString palavra = QStringLiteral("s.f.");
  t->TrataPalavraClicada(palavra);
  ASSERT_TRUE(t->picTipAbrev->isVisible());
  EXPECT_EQ(t->txtTipAbrev->text(), QStringLiteral("substantivo\nfeminino"));
  const QRect janelaTela = janela->frameGeometry();
  EXPECT_EQ(t->picTipAbrev->pos(), tela.cursor - janelaTela.topLeft() + QPoint(0, 7));
  EXPECT_TRUE(t->tmrTip->Enabled());
  for (int tique = 0; tique < 6; ++tique) emit t->tmrTip->Timer();  // "TempoTip" 6
  EXPECT_TRUE(t->picTipAbrev->isVisible());
  emit t->tmrTip->Timer();
  EXPECT_FALSE(t->picTipAbrev->isVisible());
  EXPECT_TRUE(chamadas("PesquisaFlexivel").isEmpty());
}

// "TempoTip" is read strictly: a text that is no number keeps the default.
class frmMainTempoTip : public frmMainPalavraClicada {
 protected:
  void SetUp() override {
    setHive(reg::HKEY_CURRENT_USER, "TempoTip", "abc");
    frmMainPalavraClicada::SetUp();
  }
};

TEST_F(frmMainTempoTip, ATipTimeThatIsNoNumberKeepsTheDefaultSixTicks) {
  componente->abreviaturas[QStringLiteral("s.f.")] = QStringLiteral("substantivo feminino#");
  QString palavra = QStringLiteral("s.f.");
  t->TrataPalavraClicada(palavra);
  for (int tique = 0; tique < 6; ++tique) emit t->tmrTip->Timer();
  EXPECT_TRUE(t->picTipAbrev->isVisible());
  emit t->tmrTip->Timer();
  EXPECT_FALSE(t->picTipAbrev->isVisible());
}

TEST_F(frmMainPalavraClicada, TheTipStaysOpenWhileThePointerMovesOverIt) {
  componente->abreviaturas[QStringLiteral("adj.")] = QStringLiteral("adjetivo#");
  QString palavra = QStringLiteral("adj.");
  t->TrataPalavraClicada(palavra);
  for (int tique = 0; tique < 6; ++tique) emit t->tmrTip->Timer();
  QMouseEvent movimento(QEvent::MouseMove, QPointF(2, 2), t->txtTipAbrev->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                        Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(t->txtTipAbrev, &movimento);
  for (int tique = 0; tique < 6; ++tique) emit t->tmrTip->Timer();
  EXPECT_TRUE(t->picTipAbrev->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), t->picTipAbrev);
  t->txtEntrada->setFocus();  // the box loses the focus
  EXPECT_FALSE(t->picTipAbrev->isVisible());
}

TEST_F(frmMainPalavraClicada, OtherWordsAreCleanedAndSearchedWithoutFilters) {
  const struct {
    const char* clicada;
    const char* buscada;
  } casos[] = {{"casa,", "casa"}, {"casa,%20de", "casa,"}, {"bola.", "bola"}, {"dado", "dado"}};
  for (const auto& caso : casos) {
    componente->chamadas.clear();
    QString palavra = QString::fromUtf8(caso.clicada);
    t->TrataPalavraClicada(palavra);
    EXPECT_EQ(chamadas("PesquisaFlexivel"), QStringList{QStringLiteral("PesquisaFlexivel(%1)").arg(caso.buscada)})
        << caso.clicada;
  }
}

TEST_F(frmMainPalavraClicada, AFoundWordFillsTheResultsListWithNoFilterText) {
  abreAvancada(true);
  marcaFiltros({0});
  componente->resultados[QStringLiteral("flexivel:casa")] = {3};
  QString palavra = QStringLiteral("casa");
  t->TrataPalavraClicada(palavra);
  EXPECT_TRUE(chamadas("DefineFiltro").isEmpty());
  EXPECT_TRUE(t->picLista2->isVisible());
  EXPECT_FALSE(ultimaPagina().contains(QStringLiteral("Filtro:")));
  EXPECT_TRUE(ultimaPagina().contains(QStringLiteral("goID://3")));
  EXPECT_TRUE(t->lblFiltros->text().isEmpty());
}

TEST_F(frmMainPalavraClicada, AWordNotFoundLeavesTheScreenAsItWas) {
  const qsizetype antes = paginas->size();
  QString palavra = QStringLiteral("xyz");
  t->TrataPalavraClicada(palavra);
  EXPECT_EQ(paginas->size(), antes);
  EXPECT_TRUE(t->PicLista->isVisible());
}

}  // namespace

namespace {

TEST_F(frmMainLayout, ALetterTypedElsewhereGoesToTheFirstFieldOfThePair) {
  abreAvancada(false);
  marcaOpcoes({0, 1});
  t->btBuscar->setFocus();
  QTest::keyClick(t->btBuscar, Qt::Key_M);
  EXPECT_EQ(t->txtEntrada1->text(), QStringLiteral("m"));
  EXPECT_EQ(QApplication::focusWidget(), t->txtEntrada1);
}

}  // namespace

namespace {

// A window whose last run closed with the advanced panel open.
class frmMainModoAvancado : public frmMainBusca {
 protected:
  void SetUp() override {
    setHive(reg::HKEY_CURRENT_USER, "ModoBusca", "1");
    frmMainBusca::SetUp();
  }
};

TEST_F(frmMainModoAvancado, TheAdvancedPanelReopensAtTheFirstActivation) {
  EXPECT_TRUE(t->cmbFiltro->isVisible());
  EXPECT_FALSE(t->imgAvancada->isVisible());
  EXPECT_EQ(t->btBuscar->y(), 180);
}

}  // namespace
