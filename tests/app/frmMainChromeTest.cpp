#include "FakeClipboard.h"
#include "JanelaTeste.h"
#include "MouseArgs.h"

#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

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
  frmMainChrome() { usaPastaNotasPropria(); }

  std::unique_ptr<frmMain> janela() {
    Servicos servicos = servicosDeTeste(componenteQueAbre());
    servicos.clipboard = &areaTransferencia;
    servicos.arrastaJanela = arrasto;
    servicos.menusPopup = menu;
    servicos.executaModal = [this](QDialog& dialogo) {
      modais.push_back(&dialogo);
      if (respostaModal) respostaModal(dialogo);
    };
    auto w = std::make_unique<frmMain>(std::move(servicos));
    EXPECT_TRUE(w->Form_Load());
    frmMainTeste(*w).config.RestaurarJanela();  // start-up maximises a window it finds off the screen
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
  frmMainTeste t(*w);
  const std::pair<ImageControl*, const char*> casos[] = {
      {t.btAnterior, "BTNSETAESQUERDASELECIONADO"}, {t.btProximo, "BTNSETADIREITASELECIONADO"},
      {t.btCasa, "BTNCASASELECIONADO"},             {t.imgMin, "BTNMINIMIZARSELECIONADO"},
      {t.imgMax, "BTNMAXIMIZARSELECIONADO"},        {t.imgClose, "BTNFECHARSELECIONADO"},
      {t.imgNota, "BTNLAPISSELECIONADO"},           {t.imgPrinter, "BTNPRINTERSELECIONADO"},
      {t.imgArquivo, "BTNARQUIVOSELECIONADO"},      {t.imgAjuda, "BTNAJUDASELECIONADO"}};
  for (const auto& [botao, hover] : casos) {
    move(botao);
    EXPECT_EQ(botao->PictureName(), QString::fromLatin1(hover));
    EXPECT_EQ(botao->Tag, QStringLiteral("selecionado"));
    int marcados = 0;
    for (const auto& outro : casos) marcados += outro.first->Tag.isEmpty() ? 0 : 1;
    EXPECT_EQ(marcados, 1) << qPrintable(botao->objectName());
  }
  move(w.get());  // the bare form
  EXPECT_EQ(t.imgAjuda->PictureName(), QStringLiteral("BTNAJUDA"));
  EXPECT_TRUE(t.imgAjuda->Tag.isEmpty());
}

TEST_F(frmMainChrome, AMarkedButtonIsNotReloadedAndAHeldButtonMarksNothing) {
  auto w = janela();
  frmMainTeste t(*w);
  emit t.btCasa->MouseMove(0, 0, 0, 0);
  t.btCasa->loadPicture(QStringLiteral("OUTRA"));  // what a reload would replace
  emit t.btCasa->MouseMove(0, 0, 0, 0);
  EXPECT_EQ(t.btCasa->PictureName(), QStringLiteral("OUTRA"));

  emit t.imgClose->MouseMove(vb::vbLeftButton, 0, 0, 0);
  EXPECT_EQ(t.btCasa->Tag, QStringLiteral("selecionado"));
  EXPECT_TRUE(t.imgClose->Tag.isEmpty());
  EXPECT_EQ(t.imgClose->PictureName(), QStringLiteral("BTNFECHAR"));
}

TEST_F(frmMainChrome, TheModelButtonUnderThePointerLooksSelectedUntilThePointerLeaves) {
  auto w = janela();
  frmMainTeste t(*w);
  ASSERT_EQ(t.m_browser.getCodModelo(), 0);
  move(t.btVisual[1]);
  EXPECT_EQ(t.btVisual[0]->PictureName(), QStringLiteral("BTNVISUAL1"));
  EXPECT_EQ(t.btVisual[1]->PictureName(), QStringLiteral("BTNVISUAL2SELECIONADO"));
  EXPECT_EQ(t.btVisual[2]->PictureName(), QStringLiteral("BTNVISUAL3"));
  move(w.get());
  EXPECT_EQ(t.btVisual[0]->PictureName(), QStringLiteral("BTNVISUAL1SELECIONADO"));
  EXPECT_EQ(t.btVisual[1]->PictureName(), QStringLiteral("BTNVISUAL2"));

  emit t.btVisual[2]->MouseUp(1, 0, 0, 0);
  EXPECT_EQ(t.m_browser.getCodModelo(), 2);
  EXPECT_EQ(t.btVisual[2]->PictureName(), QStringLiteral("BTNVISUAL3SELECIONADO"));
  EXPECT_EQ(t.btVisual[0]->PictureName(), QStringLiteral("BTNVISUAL1"));
}

// The note button toggles the note box, so its release shows whether it acted.
TEST_F(frmMainChrome, AReleaseActsOnlyInsideTheButtonItsFarEdgesIncluded) {
  auto w = janela();
  frmMainTeste t(*w);
  w->show();
  t.m_Notas.VerificaVerbete(3);
  const double L = larguraTwips(t.imgNota);
  const double A = alturaTwips(t.imgNota);
  const struct {
    double x, y;
    bool age;
  } casos[] = {{0, 0, true}, {L, A, true}, {L + 1, 0, false}, {0, A + 1, false}, {-1, 5, false}, {5, -1, false}};
  for (const auto& c : casos) {
    const bool antes = t.m_Notas.EhVisivel();
    emit t.imgNota->MouseUp(1, 0, c.x, c.y);
    EXPECT_EQ(t.m_Notas.EhVisivel(), c.age ? !antes : antes) << c.x << ", " << c.y;
  }
}

TEST_F(frmMainChrome, AClickOnAButtonActsAndAPressDraggedOffItDoesNot) {
  auto w = janela();
  frmMainTeste t(*w);
  w->show();
  t.m_Notas.VerificaVerbete(3);
  QTest::mouseClick(t.imgNota, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(t.m_Notas.EhVisivel());
  QTest::mousePress(t.imgNota, Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseRelease(t.imgNota, Qt::LeftButton, {}, QPoint(t.imgNota->width() + 4, 3));
  EXPECT_TRUE(t.m_Notas.EhVisivel());
}

TEST_F(frmMainChrome, MaximisingSwapsTheButtonHidesTheGripAndStopsTheDrag) {
  auto w = janela();
  frmMainTeste t(*w);
  press(t.imgMove);
  EXPECT_EQ(arrasto->movimentos, 1);

  emit t.imgMax->MouseUp(1, 0, 0, 0);
  EXPECT_EQ(t.config.EstadoJanela, CConfig::Maximizada);
  EXPECT_EQ(t.imgMax->PictureName(), QStringLiteral("BTNRESTAURAR"));
  EXPECT_TRUE(t.ImgResize->isHidden());
  emit t.imgMax->MouseMove(0, 0, 0, 0);
  EXPECT_EQ(t.imgMax->PictureName(), QStringLiteral("BTNRESTAURARSELECIONADO"));
  press(t.imgMax);  // the press shows the state's normal picture and keeps the mark
  EXPECT_EQ(t.imgMax->PictureName(), QStringLiteral("BTNRESTAURAR"));
  EXPECT_EQ(t.imgMax->Tag, QStringLiteral("selecionado"));

  press(t.imgMove);
  EXPECT_EQ(arrasto->movimentos, 1);  // a maximised window is not dragged
  press(t.ImgResize);
  ASSERT_EQ(arrasto->redimensionamentos.size(), 1u);
  EXPECT_EQ(arrasto->redimensionamentos[0], Qt::BottomEdge | Qt::RightEdge);

  emit t.imgMax->MouseUp(1, 0, 0, 0);
  EXPECT_EQ(t.config.EstadoJanela, CConfig::Normal);
  EXPECT_EQ(t.imgMax->PictureName(), QStringLiteral("BTNMAXIMIZAR"));
  EXPECT_FALSE(t.ImgResize->isHidden());
}

TEST_F(frmMainChrome, TheHomeButtonShowsTheHomePageAndHidesTheEntryToolbar) {
  auto w = janela();
  frmMainTeste t(*w);
  emit t.btCasa->MouseUp(1, 0, larguraTwips(t.btCasa) + 1, 0);
  EXPECT_FALSE(t.imgNota->isHidden());
  emit t.btCasa->MouseUp(1, 0, 0, 0);
  EXPECT_TRUE(t.imgNota->isHidden());
  EXPECT_TRUE(t.btVisual[0]->isHidden());
  EXPECT_TRUE(t.m_browser.navegador().locationURL().endsWith(QStringLiteral("principal.htm")));
}

TEST_F(frmMainChrome, TheListSelectorSplitsAt1035Twips) {
  auto w = janela();
  frmMainTeste t(*w);
  emit t.imgBtSelLista[0]->MouseUp(1, 0, 1035, 0);
  EXPECT_FALSE(t.picLista2->isHidden());
  EXPECT_TRUE(t.PicLista->isHidden());
  emit t.imgBtSelLista[1]->MouseUp(1, 0, 1034, 0);
  EXPECT_FALSE(t.PicLista->isHidden());
  EXPECT_TRUE(t.picLista2->isHidden());
  emit t.imgBtSelLista[0]->MouseUp(1, 0, 2000, 100);  // the tabs themselves
  EXPECT_FALSE(t.picLista2->isHidden());
}

TEST_F(frmMainChrome, TheFileMenuPopsUpBelowItsButtonWithTheMenuLookWhileOpen) {
  auto w = janela();
  frmMainTeste t(*w);
  QString aberto;
  menu->escolha = [&](QMenu&) { aberto = t.imgArquivo->PictureName() + u'|' + t.imgArquivo->Tag; };
  emit t.imgArquivo->MouseUp(1, 0, 0, 0);
  ASSERT_EQ(menu->abertos.size(), 1u);
  EXPECT_EQ(menu->abertos[0].first, t.menus.mnu_Arquivo.get());
  EXPECT_EQ(menu->abertos[0].second, w->mapToGlobal(QPoint(166, 21 + 17 + 2)));
  EXPECT_EQ(aberto, QStringLiteral("BTNARQUIVOMENU|selecionado"));
  EXPECT_EQ(t.imgArquivo->PictureName(), QStringLiteral("BTNARQUIVO"));
  EXPECT_TRUE(t.imgArquivo->Tag.isEmpty());
  // No entry on screen: both copy items are greyed.
  EXPECT_FALSE(t.menus.mnu_copiaVerbete->isEnabled());
  EXPECT_FALSE(t.menus.mnu_copiaConjugacao->isEnabled());
  t.m_browser.MostraVerbete(QStringLiteral("<p>casa</p>"));
  emit t.imgArquivo->MouseUp(1, 0, 0, 0);
  EXPECT_TRUE(t.menus.mnu_copiaVerbete->isEnabled());
  EXPECT_FALSE(t.menus.mnu_copiaConjugacao->isEnabled());

  emit t.imgAjuda->MouseUp(1, 0, larguraTwips(t.imgAjuda) + 1, 0);  // outside
  EXPECT_EQ(menu->abertos.size(), 2u);
}

TEST_F(frmMainChrome, AltAAndAltUOpenTheFileAndHelpMenus) {
  auto w = janela();
  frmMainTeste t(*w);
  int tecla = 'A';
  int shift = vb::vbAltMask;
  t.Form_KeyUp(tecla, shift);
  EXPECT_EQ(tecla, 0);
  EXPECT_EQ(shift, 0);
  tecla = 'U';
  shift = vb::vbAltMask;
  t.Form_KeyUp(tecla, shift);
  EXPECT_EQ(tecla, 0);
  EXPECT_EQ(shift, vb::vbAltMask);
  ASSERT_EQ(menu->abertos.size(), 2u);
  EXPECT_EQ(menu->abertos[0].first, t.menus.mnu_Arquivo.get());
  EXPECT_EQ(menu->abertos[1].first, t.menus.mnu_ajuda.get());
}

TEST_F(frmMainChrome, TheMenusHoldTheirItemsAndOnlyTheTwoUnusedOnesStartGreyed) {
  auto w = janela();
  frmMainTeste t(*w);
  const frmMenu& m = t.menus;
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
  frmMainTeste t(*w);
  menu->escolha = [&](QMenu&) { t.menus.mnu_ajudaVerbete->trigger(); };
  emit t.imgAjuda->MouseUp(1, 0, 0, 0);
  EXPECT_TRUE(t.m_browser.navegador().locationURL().endsWith(QStringLiteral("verbete.htm")));
  EXPECT_EQ(t.imgAjuda->PictureName(), QStringLiteral("BTNAJUDA"));
}

// "sair" is the close button's release: the whole shutdown, once.
TEST_F(frmMainChrome, QuitClosesLikeTheCloseButtonAndOnlyTheExactCommandDoes) {
  auto w = janela();
  frmMainTeste t(*w);
  w->show();
  QSignalSpy encerrado(w.get(), &frmMain::Encerrado);
  for (const char* outro : {"Sair", "SAIR", "", "sair "}) w->ComandoMenu(QString::fromLatin1(outro));
  EXPECT_EQ(encerrado.count(), 0);
  menu->escolha = [&](QMenu&) { t.menus.mnu_sair->trigger(); };
  emit t.imgArquivo->MouseUp(1, 0, 0, 0);
  EXPECT_EQ(encerrado.count(), 1);
  EXPECT_FALSE(t.temPesquisa());
  EXPECT_FALSE(w->isVisible());
}

TEST_F(frmMainChrome, CommandsSwitchTheModelAndTheListFontAndStepThroughTheHistory) {
  auto w = janela();
  frmMainTeste t(*w);
  w->ComandoMenu(QStringLiteral("verbete2"));
  EXPECT_EQ(t.m_browser.getCodModelo(), 1);
  w->ComandoMenu(QStringLiteral("atualizarCSS"));
  EXPECT_EQ(t.m_browser.getCodModelo(), 0);
  setHive(reg::HKEY_CURRENT_USER, "FormaApresentacao", "2");
  w->ComandoMenu(QStringLiteral("atualizagerais"));
  EXPECT_EQ(t.m_browser.getCodModelo(), 2);
  EXPECT_EQ(t.btVisual[2]->PictureName(), QStringLiteral("BTNVISUAL3SELECIONADO"));

  const double fonte = t.lista.TamanhoFonte();
  t.config.FonteLista = 1;  // as the list-font dialog leaves it
  w->ComandoMenu(QStringLiteral("atualizarlista"));
  EXPECT_GT(t.lista.TamanhoFonte(), fonte);
  EXPECT_EQ(t.lista2.TamanhoFonte(), t.lista.TamanhoFonte());

  t.m_Historico.AdicionaArquivo(QStringLiteral("a"), QStringLiteral("a.htm"));
  t.m_Historico.AdicionaArquivo(QStringLiteral("b"), QStringLiteral("b.htm"));
  w->ComandoMenu(QStringLiteral("voltar"));
  EXPECT_EQ(t.m_Historico.Posicao(), 1);
  w->ComandoMenu(QStringLiteral("avancar"));
  EXPECT_EQ(t.m_Historico.Posicao(), 2);
}

TEST_F(frmMainChrome, TheNotesFolderCommandSavesTheOpenNoteAndSwitchesToTheSavedFolder) {
  auto w = janela();
  frmMainTeste t(*w);
  w->Form_Activate();  // reads the notes folder
  t.m_Notas.VerificaVerbete(3);
  t.m_Notas.setVisible(true);
  t.txtNota->setPlainText(QStringLiteral("velha"));
  const QString nova = world.root() + QStringLiteral("/outras");
  QDir().mkpath(nova);
  setHive(reg::HKEY_CURRENT_USER, "DirNotas", nova.toUtf8());
  w->ComandoMenu(QStringLiteral("DirNotas"));
  EXPECT_TRUE(QFile::exists(world.notesDir() + QStringLiteral("/id000003.txt")));

  t.m_Notas.VerificaVerbete(4);
  t.m_Notas.setVisible(true);
  t.txtNota->setPlainText(QStringLiteral("nova"));
  t.m_Notas.VerificaVerbete(-1);
  EXPECT_TRUE(QFile::exists(nova + QStringLiteral("/id000004.txt")));
}

TEST_F(frmMainChrome, TheCopyItemPutsTheEntryShownOnTheClipboard) {
  auto w = janela();
  frmMainTeste t(*w);
  world.write(QStringLiteral("program/css/estilo1.css"), "#D_TIT{}");
  t.m_browser.MostraVerbete(QStringLiteral("<span id=\"D_TIT\">casa</span>"));
  QCoreApplication::processEvents();  // the template loads
  ASSERT_EQ(t.m_browser.getEstado(), 2);
  menu->escolha = [&](QMenu&) { t.menus.mnu_copiaVerbete->trigger(); };
  emit t.imgArquivo->MouseUp(1, 0, 0, 0);
  EXPECT_TRUE(QString::fromUtf8(areaTransferencia.dados(QStringLiteral("text"))).contains(QStringLiteral("casa")));
}

TEST_F(frmMainChrome, ThePrintCommandPrintsThePageShown) {
  auto w = janela();
  frmMainTeste t(*w);
  QSignalSpy impressao(&t.m_browser.navegador(), &WebBrowser::PrintRequested);
  w->ComandoMenu(QStringLiteral("imprimir"));
  EXPECT_EQ(impressao.count(), 1);
}

TEST_F(frmMainChrome, TheAppearanceItemTellsWhenTheStyleSheetsCannotBeWritten) {
  auto w = janela();
  frmMainTeste t(*w);
  world.blockStyleSheets();
  t.menus.mnu_configuraverbete->trigger();
  ASSERT_EQ(dialogs.calls().size(), 1u);
  EXPECT_TRUE(dialogs.calls()[0].prompt.contains(world.dataHome() + QStringLiteral("/minivocabra/css/")));
  EXPECT_TRUE(modais.empty());
}

TEST_F(frmMainChrome, AfterTheAppearanceDialogTheEntryIsShownInTheCompleteModel) {
  auto w = janela();
  frmMainTeste t(*w);
  w->ComandoMenu(QStringLiteral("verbete3"));
  t.menus.mnu_configuraverbete->trigger();
  ASSERT_EQ(modais.size(), 1u);
  EXPECT_EQ(t.m_browser.getCodModelo(), 0);
}

TEST_F(frmMainChrome, CancellingTheGeneralOptionsSendsNothingAndTheDialogIsKept) {
  auto w = janela();
  frmMainTeste t(*w);
  setHive(reg::HKEY_CURRENT_USER, "FormaApresentacao", "2");
  respostaModal = [](QDialog& d) { d.reject(); };
  t.menus.mnu_configuragerais->trigger();
  EXPECT_EQ(t.m_browser.getCodModelo(), 0);
  respostaModal = nullptr;
  t.menus.mnu_configuragerais->trigger();
  EXPECT_EQ(t.m_browser.getCodModelo(), 2);
  ASSERT_EQ(modais.size(), 2u);
  EXPECT_EQ(modais[0], modais[1]);
}

TEST_F(frmMainChrome, ClosingTheListFontDialogAnyWayAppliesTheSavedSize) {
  auto w = janela();
  frmMainTeste t(*w);
  const double normal = t.lista.TamanhoFonte();
  setHive(reg::HKEY_CURRENT_USER, "Fonte lista", "1");
  respostaModal = [](QDialog& d) { d.reject(); };
  t.menus.mnu_configuralista->trigger();
  ASSERT_EQ(modais.size(), 1u);
  EXPECT_GT(t.lista.TamanhoFonte(), normal);
}

TEST_F(frmMainChrome, CommandsBeforeTheWindowIsLoadedDoNothing) {
  Servicos servicos = servicosDeTeste(nullptr);
  servicos.menusPopup = menu;
  frmMain w(std::move(servicos));
  frmMainTeste t(w);
  for (const char* comando : {"avancar", "inicio", "nota", "verbete1", "sair", "atualizarCSS", "DirNotas"})
    w.ComandoMenu(QString::fromLatin1(comando));
  int tecla = 'A';  // Alt+A runs the file button's release
  int shift = vb::vbAltMask;
  t.Form_KeyUp(tecla, shift);
  t.TrataMouseMove();
  EXPECT_TRUE(menu->abertos.empty());
}

}  // namespace
