#include "JanelaTeste.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// A main window whose notes folder is the test's own.
class frmMainNavegacao : public JanelaTeste {
 protected:
  frmMainNavegacao() { usaPastaNotasPropria(); }

  std::unique_ptr<frmMain> janela() { return criaJanela(componenteQueAbre()); }
  QString lido(reg::Registry& outro, const QString& nome) {
    ScriptedDialogs d;
    return CConfig(outro, d).LeReg(nome, QStringLiteral("-"));
  }
};

TEST_F(frmMainNavegacao, StartUpRestoresTheSearchesAndShutdownSavesThemWithTheOpenNote) {
  setHive(reg::HKEY_CURRENT_USER, "HistTit1", "casa");
  setHive(reg::HKEY_CURRENT_USER, "HistID1", "12");
  setHive(reg::HKEY_CURRENT_USER, "HistTit2", "lua");
  setHive(reg::HKEY_CURRENT_USER, "HistID2", "40");
  auto w = janela();
  frmMainTeste t(*w);
  ASSERT_TRUE(w->Form_Load());
  ASSERT_EQ(t.m_Buscas.Quantidade(), 2);
  EXPECT_EQ(t.m_Buscas.Item(2).getTitulo(), QStringLiteral("lua"));
  w->Form_Activate();
  EXPECT_TRUE(QFile::exists(world.notesDir() + QStringLiteral("/notas.dat")));

  t.m_Notas.VerificaVerbete(40);
  t.m_Notas.setVisible(true);
  t.txtNota->setPlainText(QStringLiteral("anotada"));
  t.m_Buscas.Adiciona(QStringLiteral("mar"), 77);
  w->Form_QueryUnload();
  w->Form_Unload();

  EXPECT_EQ(world.read(QStringLiteral("notas/id000040.txt")), QByteArray("anotada\r\n"));
  reg::Registry reread(world.userHive(), world.machineHive(), nullptr);
  EXPECT_EQ(lido(reread, QStringLiteral("HistTit1")), QStringLiteral("casa"));  // three items: 1 untouched
  EXPECT_EQ(lido(reread, QStringLiteral("HistTit2")), QStringLiteral("casa"));
  EXPECT_EQ(lido(reread, QStringLiteral("HistTit4")), QStringLiteral("mar"));
  EXPECT_EQ(lido(reread, QStringLiteral("HistID4")), QStringLiteral("77"));
}

TEST_F(frmMainNavegacao, AShownNoteBoxSitsAtTheBottomInsideItsFrames) {
  auto w = janela();
  frmMainTeste t(*w);
  ASSERT_TRUE(w->Form_Load());
  w->Form_Activate();
  t.m_Notas.VerificaVerbete(3);
  t.m_Notas.setVisible(true);

  const QRect nota = t.txtNota->geometry();
  EXPECT_EQ(nota.top(), w->height() - nota.height() - 25);
  EXPECT_EQ(nota.left() + nota.width(), w->width() - 10);
  EXPECT_EQ(t.txtAnotacoes->y(), w->height() - nota.height() - 50);
  const QImage imagem = w->grab().toImage();
  EXPECT_EQ(QColor(imagem.pixel(nota.left() - 2, nota.top() - 2)), QColor(180, 180, 180));
  EXPECT_EQ(QColor(imagem.pixel(nota.left() - 1, nota.top() - 1)), QColor(220, 220, 220));
}

TEST_F(frmMainNavegacao, AHistoryStepToAListOrAPageHidesTheNoteBox) {
  world.write(QStringLiteral("notas/notas.dat"), QByteArray(1, '\x02'));  // entry 1 has a note
  world.write(QStringLiteral("notas/id000001.txt"), "nota\r\n");
  auto w = janela();
  frmMainTeste t(*w);
  ASSERT_TRUE(w->Form_Load());
  w->Form_Activate();
  t.m_Historico.AdicionaArquivo(QStringLiteral("Manual"), QStringLiteral("manual/a.htm"));
  t.m_Historico.AdicionaLista(QStringLiteral("<p>lista</p>"));
  t.m_Historico.Adiciona(QStringLiteral("um"), 1);
  for (int passo = 0; passo < 2; ++passo) {
    t.m_Notas.VerificaVerbete(1);
    ASSERT_TRUE(t.m_Notas.EhVisivel());
    t.m_Historico.Anterior();
    EXPECT_FALSE(t.m_Notas.EhVisivel()) << passo;
  }
}

}  // namespace
