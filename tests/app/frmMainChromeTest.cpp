#include "FakeClipboard.h"
#include "JanelaTeste.h"
#include "MockMiniVocabraDB.h"
#include "MouseArgs.h"

#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using ::testing::NiceMock;
using ::testing::Return;

namespace {

// Records the hand-overs to the window system's move and resize loops.
class ArrastoGravado final : public IWindowDrag {
 public:
  int movimentos = 0;
  std::vector<Qt::Edges> redimensionamentos;
  bool startMove(QWidget&) override {
    ++movimentos;
    return true;
  }
  bool startResize(QWidget&, Qt::Edges edges) override {
    redimensionamentos.push_back(edges);
    return true;
  }
};

// Records each popup and runs `escolha` while the menu is "open".
class MenuGravado final : public IPopupMenu {
 public:
  std::vector<std::pair<QMenu*, QPoint>> abertos;
  std::function<void(QMenu&)> escolha;
  void popup(QMenu& menu, const QPoint& globalPos) override {
    abertos.emplace_back(&menu, globalPos);
    if (escolha) escolha(menu);
  }
};

class frmMainChrome : public JanelaTeste {
 protected:
  frmMainChrome() {
    QDir().mkpath(world.notesDir());
    setHive(reg::HKEY_LOCAL_MACHINE, "Instalacao", "5");
    setHive(reg::HKEY_CURRENT_USER, "Instalacao", "5");
    setHive(reg::HKEY_CURRENT_USER, "DirNotas", world.notesDir().toUtf8());
  }

  std::unique_ptr<frmMain> janela() {
    Servicos servicos{registry, dialogs, tela, instancia,
                      [] {
                        auto db = std::make_unique<NiceMock<MockMiniVocabraDB>>();
                        ON_CALL(*db, AbreDados()).WillByDefault(Return(true));
                        return db;
                      },
                      QString(), {}, [](QWidget* host, WebBrowser&) { return new QWidget(host); }};  // owned by host
    servicos.clipboard = &areaTransferencia;
    servicos.arrastaJanela = arrasto;
    servicos.menusPopup = menu;
    servicos.executaModal = [this](QDialog& dialogo) {
      modais.push_back(&dialogo);
      if (respostaModal) respostaModal(dialogo);
    };
    auto w = std::make_unique<frmMain>(std::move(servicos));
    EXPECT_TRUE(w->Form_Load());
    w->config->RestaurarJanela();  // start-up maximises a window it finds off the screen
    return w;
  }

  // A move of the pointer over `controle` as the toolkit reports it: through
  // the window procedure, then to the control's own handler.
  static void move(QWidget* controle, Qt::MouseButtons botoes = Qt::NoButton) {
    QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), controle->mapToGlobal(QPointF(2, 2)), Qt::NoButton, botoes, {});
    QCoreApplication::sendEvent(controle, &e);
  }
  static void press(QWidget* controle) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(2, 2), controle->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                  Qt::LeftButton, {});
    QCoreApplication::sendEvent(controle, &e);
  }
  static double larguraTwips(const ImageControl* c) { return c->toScaleX(c->width()); }
  static double alturaTwips(const ImageControl* c) { return c->toScaleY(c->height()); }

  FakeClipboard areaTransferencia;
  // The settings dialogs run, and what the "user" does in each (nothing:
  // it stays open as if still being edited).
  std::vector<QDialog*> modais;
  std::function<void(QDialog&)> respostaModal;
  std::shared_ptr<ArrastoGravado> arrasto = std::make_shared<ArrastoGravado>();
  std::shared_ptr<MenuGravado> menu = std::make_shared<MenuGravado>();
};

TEST_F(frmMainChrome, EachButtonShowsItsHoverSkinAndOnlyOneIsMarked) {
  auto w = janela();
  const std::pair<ImageControl*, const char*> casos[] = {
      {w->btAnterior, "BTNSETAESQUERDASELECIONADO"}, {w->btProximo, "BTNSETADIREITASELECIONADO"},
      {w->btCasa, "BTNCASASELECIONADO"},             {w->imgMin, "BTNMINIMIZARSELECIONADO"},
      {w->imgMax, "BTNMAXIMIZARSELECIONADO"},        {w->imgClose, "BTNFECHARSELECIONADO"},
      {w->imgNota, "BTNLAPISSELECIONADO"},           {w->imgPrinter, "BTNPRINTERSELECIONADO"},
      {w->imgArquivo, "BTNARQUIVOSELECIONADO"},      {w->imgAjuda, "BTNAJUDASELECIONADO"}};
  for (const auto& [botao, hover] : casos) {
    move(botao);
    EXPECT_EQ(botao->PictureName(), QString::fromLatin1(hover));
    EXPECT_EQ(botao->Tag, QStringLiteral("selecionado"));
    int marcados = 0;
    for (const auto& outro : casos) marcados += outro.first->Tag.isEmpty() ? 0 : 1;
    EXPECT_EQ(marcados, 1) << qPrintable(botao->objectName());
  }
  move(w.get());  // the bare form
  EXPECT_EQ(w->imgAjuda->PictureName(), QStringLiteral("BTNAJUDA"));
  EXPECT_TRUE(w->imgAjuda->Tag.isEmpty());
}

TEST_F(frmMainChrome, AMarkedButtonIsNotReloadedAndAHeldButtonMarksNothing) {
  auto w = janela();
  w->MarcarBotao(w->btCasa, 0);
  w->btCasa->loadPicture(QStringLiteral("OUTRA"));  // what a reload would replace
  w->MarcarBotao(w->btCasa, 0);
  EXPECT_EQ(w->btCasa->PictureName(), QStringLiteral("OUTRA"));

  w->MarcarBotao(w->imgClose, vb::vbLeftButton);
  EXPECT_EQ(w->btCasa->Tag, QStringLiteral("selecionado"));
  EXPECT_TRUE(w->imgClose->Tag.isEmpty());
  EXPECT_EQ(w->imgClose->PictureName(), QStringLiteral("BTNFECHAR"));
}

TEST_F(frmMainChrome, TheModelButtonUnderThePointerLooksSelectedUntilThePointerLeaves) {
  auto w = janela();
  ASSERT_EQ(w->m_browser->getCodModelo(), 0);
  move(w->btVisual[1]);
  EXPECT_EQ(w->btVisual[0]->PictureName(), QStringLiteral("BTNVISUAL1"));
  EXPECT_EQ(w->btVisual[1]->PictureName(), QStringLiteral("BTNVISUAL2SELECIONADO"));
  EXPECT_EQ(w->btVisual[2]->PictureName(), QStringLiteral("BTNVISUAL3"));
  move(w.get());
  EXPECT_EQ(w->btVisual[0]->PictureName(), QStringLiteral("BTNVISUAL1SELECIONADO"));
  EXPECT_EQ(w->btVisual[1]->PictureName(), QStringLiteral("BTNVISUAL2"));

  w->btVisual_MouseUp(2, 1, 0, 0, 0);
  EXPECT_EQ(w->m_browser->getCodModelo(), 2);
  EXPECT_EQ(w->btVisual[2]->PictureName(), QStringLiteral("BTNVISUAL3SELECIONADO"));
  EXPECT_EQ(w->btVisual[0]->PictureName(), QStringLiteral("BTNVISUAL1"));
}

// The note button toggles the note box, so its release shows whether it acted.
TEST_F(frmMainChrome, AReleaseActsOnlyInsideTheButtonItsFarEdgesIncluded) {
  auto w = janela();
  w->show();
  w->m_Notas->VerificaVerbete(3);
  const double L = larguraTwips(w->imgNota);
  const double A = alturaTwips(w->imgNota);
  const struct {
    double x, y;
    bool age;
  } casos[] = {{0, 0, true}, {L, A, true}, {L + 1, 0, false}, {0, A + 1, false}, {-1, 5, false}, {5, -1, false}};
  for (const auto& c : casos) {
    const bool antes = w->m_Notas->EhVisivel();
    w->imgNota_MouseUp(1, 0, c.x, c.y);
    EXPECT_EQ(w->m_Notas->EhVisivel(), c.age ? !antes : antes) << c.x << ", " << c.y;
  }
}

TEST_F(frmMainChrome, AClickOnAButtonActsAndAPressDraggedOffItDoesNot) {
  auto w = janela();
  w->show();
  w->m_Notas->VerificaVerbete(3);
  QTest::mouseClick(w->imgNota, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(w->m_Notas->EhVisivel());
  QTest::mousePress(w->imgNota, Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseRelease(w->imgNota, Qt::LeftButton, {}, QPoint(w->imgNota->width() + 4, 3));
  EXPECT_TRUE(w->m_Notas->EhVisivel());
}

TEST_F(frmMainChrome, MaximisingSwapsTheButtonHidesTheGripAndStopsTheDrag) {
  auto w = janela();
  press(w->imgMove);
  EXPECT_EQ(arrasto->movimentos, 1);

  w->imgMax_MouseUp(1, 0, 0, 0);
  EXPECT_EQ(w->config->EstadoJanela, CConfig::Maximizada);
  EXPECT_EQ(w->imgMax->PictureName(), QStringLiteral("BTNRESTAURAR"));
  EXPECT_TRUE(w->ImgResize->isHidden());
  w->MarcarBotao(w->imgMax, 0);
  EXPECT_EQ(w->imgMax->PictureName(), QStringLiteral("BTNRESTAURARSELECIONADO"));
  press(w->imgMax);  // the press shows the state's normal picture and keeps the mark
  EXPECT_EQ(w->imgMax->PictureName(), QStringLiteral("BTNRESTAURAR"));
  EXPECT_EQ(w->imgMax->Tag, QStringLiteral("selecionado"));

  press(w->imgMove);
  EXPECT_EQ(arrasto->movimentos, 1);  // a maximised window is not dragged
  press(w->ImgResize);
  ASSERT_EQ(arrasto->redimensionamentos.size(), 1u);
  EXPECT_EQ(arrasto->redimensionamentos[0], Qt::BottomEdge | Qt::RightEdge);

  w->imgMax_MouseUp(1, 0, 0, 0);
  EXPECT_EQ(w->config->EstadoJanela, CConfig::Normal);
  EXPECT_EQ(w->imgMax->PictureName(), QStringLiteral("BTNMAXIMIZAR"));
  EXPECT_FALSE(w->ImgResize->isHidden());
}

TEST_F(frmMainChrome, TheHomeButtonShowsTheHomePageAndHidesTheEntryToolbar) {
  auto w = janela();
  w->btCasa_MouseUp(1, 0, larguraTwips(w->btCasa) + 1, 0);
  EXPECT_FALSE(w->imgNota->isHidden());
  w->btCasa_MouseUp(1, 0, 0, 0);
  EXPECT_TRUE(w->imgNota->isHidden());
  EXPECT_TRUE(w->btVisual[0]->isHidden());
  EXPECT_TRUE(w->m_browser->navegador().locationURL().endsWith(QStringLiteral("principal.htm")));
}

TEST_F(frmMainChrome, TheListSelectorSplitsAt1035Twips) {
  auto w = janela();
  w->imgBtSelLista_MouseUp(0, 1, 0, 1035, 0);
  EXPECT_FALSE(w->picLista2->isHidden());
  EXPECT_TRUE(w->PicLista->isHidden());
  w->imgBtSelLista_MouseUp(1, 1, 0, 1034, 0);
  EXPECT_FALSE(w->PicLista->isHidden());
  EXPECT_TRUE(w->picLista2->isHidden());
  emit w->imgBtSelLista[0]->MouseUp(1, 0, 2000, 100);  // the tabs themselves
  EXPECT_FALSE(w->picLista2->isHidden());
}

TEST_F(frmMainChrome, TheFileMenuPopsUpBelowItsButtonWithTheMenuLookWhileOpen) {
  auto w = janela();
  QString aberto;
  menu->escolha = [&](QMenu&) { aberto = w->imgArquivo->PictureName() + u'|' + w->imgArquivo->Tag; };
  w->imgArquivo_MouseUp(1, 0, 0, 0);
  ASSERT_EQ(menu->abertos.size(), 1u);
  EXPECT_EQ(menu->abertos[0].first, w->menus->mnu_Arquivo.get());
  EXPECT_EQ(menu->abertos[0].second, w->mapToGlobal(QPoint(166, 21 + 17 + 2)));
  EXPECT_EQ(aberto, QStringLiteral("BTNARQUIVOMENU|selecionado"));
  EXPECT_EQ(w->imgArquivo->PictureName(), QStringLiteral("BTNARQUIVO"));
  EXPECT_TRUE(w->imgArquivo->Tag.isEmpty());
  // No entry on screen: both copy items are greyed.
  EXPECT_FALSE(w->menus->mnu_copiaVerbete->isEnabled());
  EXPECT_FALSE(w->menus->mnu_copiaConjugacao->isEnabled());
  w->m_browser->MostraVerbete(QStringLiteral("<p>casa</p>"));
  w->imgArquivo_MouseUp(1, 0, 0, 0);
  EXPECT_TRUE(w->menus->mnu_copiaVerbete->isEnabled());
  EXPECT_FALSE(w->menus->mnu_copiaConjugacao->isEnabled());

  w->imgAjuda_MouseUp(1, 0, larguraTwips(w->imgAjuda) + 1, 0);  // outside
  EXPECT_EQ(menu->abertos.size(), 2u);
}

TEST_F(frmMainChrome, AltAAndAltUOpenTheFileAndHelpMenus) {
  auto w = janela();
  int tecla = 'A';
  int shift = vb::vbAltMask;
  w->Form_KeyUp(tecla, shift);
  EXPECT_EQ(tecla, 0);
  EXPECT_EQ(shift, 0);
  tecla = 'U';
  shift = vb::vbAltMask;
  w->Form_KeyUp(tecla, shift);
  EXPECT_EQ(tecla, 0);
  EXPECT_EQ(shift, vb::vbAltMask);
  ASSERT_EQ(menu->abertos.size(), 2u);
  EXPECT_EQ(menu->abertos[0].first, w->menus->mnu_Arquivo.get());
  EXPECT_EQ(menu->abertos[1].first, w->menus->mnu_ajuda.get());
}

TEST_F(frmMainChrome, TheMenusHoldTheirItemsAndOnlyTheTwoUnusedOnesStartGreyed) {
  auto w = janela();
  const frmMenu& m = *w->menus;
  QStringList arquivo;
  for (const QAction* a : m.mnu_Arquivo->actions()) arquivo << (a->isSeparator() ? QStringLiteral("-") : a->text());
  EXPECT_EQ(arquivo, (QStringList{"Inserir &Nota", "Copiar V&erbete", "Copiar C&onjugações", "-", "&Página inicial",
                                  "&Voltar", "&Avançar", "-", "Ver&betes", "&Configurações", "-", "Sair"}));
  QStringList ajuda;
  for (const QAction* a : m.mnu_ajuda->actions()) ajuda << (a->isSeparator() ? QStringLiteral("-") : a->text());
  EXPECT_EQ(ajuda, (QStringList{"&Como usar - Manual do dicionário", "&Verbete - Entenda sua estrutura",
                                "&Biografia de Antônio de Morais Silva", "&Professor - O Vocabra na Escola", "-",
                                "Site do Novo Dicionário &Vocabra", "&Sobre o dicionário eletrônico"}));
  EXPECT_FALSE(m.mnu_nota->isEnabled());
  EXPECT_FALSE(m.mnu_ajudaDicas->isEnabled());
  EXPECT_TRUE(m.mnu_ajudaCredito->isEnabled());
  EXPECT_EQ(m.mnu_verbetes->actions().size(), 3);
  EXPECT_EQ(m.mnu_configuracoes->actions().size(), 3);
}

TEST_F(frmMainChrome, AHelpItemChosenFromTheMenuShowsItsPage) {
  auto w = janela();
  menu->escolha = [&](QMenu&) { w->menus->mnu_ajudaVerbete->trigger(); };
  w->imgAjuda_MouseUp(1, 0, 0, 0);
  EXPECT_TRUE(w->m_browser->navegador().locationURL().endsWith(QStringLiteral("verbete.htm")));
  EXPECT_EQ(w->imgAjuda->PictureName(), QStringLiteral("BTNAJUDA"));
}

// "sair" is the close button's release: the whole shutdown, once.
TEST_F(frmMainChrome, QuitClosesLikeTheCloseButtonAndOnlyTheExactCommandDoes) {
  auto w = janela();
  w->show();
  QSignalSpy encerrado(w.get(), &frmMain::Encerrado);
  for (const char* outro : {"Sair", "SAIR", "", "sair "}) w->ComandoMenu(QString::fromLatin1(outro));
  EXPECT_EQ(encerrado.count(), 0);
  menu->escolha = [&](QMenu&) { w->menus->mnu_sair->trigger(); };
  w->imgArquivo_MouseUp(1, 0, 0, 0);
  EXPECT_EQ(encerrado.count(), 1);
  EXPECT_FALSE(w->temPesquisa());
  EXPECT_FALSE(w->isVisible());
}

TEST_F(frmMainChrome, CommandsSwitchTheModelAndTheListFontAndStepThroughTheHistory) {
  auto w = janela();
  w->ComandoMenu(QStringLiteral("verbete2"));
  EXPECT_EQ(w->m_browser->getCodModelo(), 1);
  w->ComandoMenu(QStringLiteral("atualizarCSS"));
  EXPECT_EQ(w->m_browser->getCodModelo(), 0);
  setHive(reg::HKEY_CURRENT_USER, "FormaApresentacao", "2");
  w->ComandoMenu(QStringLiteral("atualizagerais"));
  EXPECT_EQ(w->m_browser->getCodModelo(), 2);
  EXPECT_EQ(w->btVisual[2]->PictureName(), QStringLiteral("BTNVISUAL3SELECIONADO"));

  const double fonte = w->lista->TamanhoFonte();
  w->config->FonteLista = 1;  // as the list-font dialog leaves it
  w->ComandoMenu(QStringLiteral("atualizarlista"));
  EXPECT_GT(w->lista->TamanhoFonte(), fonte);
  EXPECT_EQ(w->lista2->TamanhoFonte(), w->lista->TamanhoFonte());

  w->m_Historico->AdicionaArquivo(QStringLiteral("a"), QStringLiteral("a.htm"));
  w->m_Historico->AdicionaArquivo(QStringLiteral("b"), QStringLiteral("b.htm"));
  w->ComandoMenu(QStringLiteral("voltar"));
  EXPECT_EQ(w->m_Historico->Posicao(), 1);
  w->ComandoMenu(QStringLiteral("avancar"));
  EXPECT_EQ(w->m_Historico->Posicao(), 2);
}

TEST_F(frmMainChrome, TheNotesFolderCommandSavesTheOpenNoteAndSwitchesToTheSavedFolder) {
  auto w = janela();
  w->Form_Activate();  // reads the notes folder
  w->m_Notas->VerificaVerbete(3);
  w->m_Notas->setVisible(true);
  w->txtNota->setPlainText(QStringLiteral("velha"));
  const QString nova = world.root() + QStringLiteral("/outras");
  QDir().mkpath(nova);
  setHive(reg::HKEY_CURRENT_USER, "DirNotas", nova.toUtf8());
  w->ComandoMenu(QStringLiteral("DirNotas"));
  EXPECT_TRUE(QFile::exists(world.notesDir() + QStringLiteral("/id000003.txt")));

  w->m_Notas->VerificaVerbete(4);
  w->m_Notas->setVisible(true);
  w->txtNota->setPlainText(QStringLiteral("nova"));
  w->m_Notas->VerificaVerbete(-1);
  EXPECT_TRUE(QFile::exists(nova + QStringLiteral("/id000004.txt")));
}

TEST_F(frmMainChrome, TheCopyItemPutsTheEntryShownOnTheClipboard) {
  auto w = janela();
  world.write(QStringLiteral("program/css/estilo1.css"), "#D_TIT{}");
  w->m_browser->MostraVerbete(QStringLiteral("<span id=\"D_TIT\">casa</span>"));
  QCoreApplication::processEvents();  // the template loads
  ASSERT_EQ(w->m_browser->getEstado(), 2);
  menu->escolha = [&](QMenu&) { w->menus->mnu_copiaVerbete->trigger(); };
  w->imgArquivo_MouseUp(1, 0, 0, 0);
  EXPECT_TRUE(QString::fromUtf8(areaTransferencia.dados(QStringLiteral("text"))).contains(QStringLiteral("casa")));
}

TEST_F(frmMainChrome, ThePrintCommandPrintsThePageShown) {
  auto w = janela();
  QSignalSpy impressao(&w->m_browser->navegador(), &WebBrowser::PrintRequested);
  w->ComandoMenu(QStringLiteral("imprimir"));
  EXPECT_EQ(impressao.count(), 1);
}

TEST_F(frmMainChrome, TheAppearanceItemTellsWhenTheStyleSheetsCannotBeWritten) {
  auto w = janela();
  world.blockStyleSheets();
  w->menus->mnu_configuraverbete->trigger();
  ASSERT_EQ(dialogs.calls().size(), 1u);
  EXPECT_TRUE(dialogs.calls()[0].prompt.contains(world.dataHome() + QStringLiteral("/minivocabra/css/")));
  EXPECT_TRUE(modais.empty());
}

TEST_F(frmMainChrome, AfterTheAppearanceDialogTheEntryIsShownInTheCompleteModel) {
  auto w = janela();
  w->ComandoMenu(QStringLiteral("verbete3"));
  w->menus->mnu_configuraverbete->trigger();
  ASSERT_EQ(modais.size(), 1u);
  EXPECT_EQ(w->m_browser->getCodModelo(), 0);
}

TEST_F(frmMainChrome, CancellingTheGeneralOptionsSendsNothingAndTheDialogIsKept) {
  auto w = janela();
  setHive(reg::HKEY_CURRENT_USER, "FormaApresentacao", "2");
  respostaModal = [](QDialog& d) { d.reject(); };
  w->menus->mnu_configuragerais->trigger();
  EXPECT_EQ(w->m_browser->getCodModelo(), 0);
  respostaModal = nullptr;
  w->menus->mnu_configuragerais->trigger();
  EXPECT_EQ(w->m_browser->getCodModelo(), 2);
  ASSERT_EQ(modais.size(), 2u);
  EXPECT_EQ(modais[0], modais[1]);
}

TEST_F(frmMainChrome, ClosingTheListFontDialogAnyWayAppliesTheSavedSize) {
  auto w = janela();
  const double normal = w->lista->TamanhoFonte();
  setHive(reg::HKEY_CURRENT_USER, "Fonte lista", "1");
  respostaModal = [](QDialog& d) { d.reject(); };
  w->menus->mnu_configuralista->trigger();
  ASSERT_EQ(modais.size(), 1u);
  EXPECT_GT(w->lista->TamanhoFonte(), normal);
}

TEST_F(frmMainChrome, CommandsBeforeTheWindowIsLoadedDoNothing) {
  Servicos servicos{registry, dialogs, tela, instancia, nullptr, QString(), {}, {}};
  frmMain w(std::move(servicos));
  for (const char* comando : {"avancar", "inicio", "nota", "verbete1", "sair", "atualizarCSS", "DirNotas"})
    w.ComandoMenu(QString::fromLatin1(comando));
  w.imgArquivo_MouseUp(0, 0, 0, 0);
  w.TrataMouseMove();
  EXPECT_TRUE(menu->abertos.empty());
}

}  // namespace
