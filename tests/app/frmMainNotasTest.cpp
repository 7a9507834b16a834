#include "DLLMiniVocabraDB.h"
#include "DadosDeTeste.h"
#include "DesbloqueiaFifo.h"
#include "JanelaTeste.h"
#include "TabelaChaves.h"

#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The note box of the main window over the sample dictionary, with the
// notes in a folder of the test's own.
class frmMainNotas : public JanelaTeste {
 protected:
  frmMainNotas() { usaPastaNotasPropria(); }

  std::unique_ptr<frmMain> janela() {
    modMain::InicializaChaves();
    const QString dados = dadosteste::pastaExemplo();
    return criaJanela([dados] { return std::make_unique<DLLMiniVocabraDB>(dados); });
  }

  // What an input method hands the box when the user has composed `texto`.
  static void compoe(QWidget* caixa, const QString& texto) {
    QInputMethodEvent evento;
    evento.setCommitString(texto);
    QCoreApplication::sendEvent(caixa, &evento);
  }

  static void fecha(frmMain& janela) {
    janela.Form_QueryUnload();
    janela.Form_Unload();
  }

  // The entry "casa" on screen with a note typed whose folder is then
  // removed, so that it cannot be saved.
  ::testing::AssertionResult notaSemLugar(frmMain& w) {
    if (auto r = iniciaAtiva(w); !r) return r;
    if (auto r = digita(w, QStringLiteral("casa"), QStringLiteral("casa")); !r) return r;
    w.ComandoMenu(QStringLiteral("nota"));
    frmMainTeste(w).txtNota->setPlainText(QStringLiteral("sem lugar"));
    if (!QDir(world.notesDir()).removeRecursively()) return ::testing::AssertionFailure() << "the folder stayed";
    return ::testing::AssertionSuccess();
  }

  static QString pergunta() {
    return QStringLiteral("A anotação deste verbete não pôde ser gravada. Se o programa for fechado agora, ela será "
                          "perdida. Deseja fechar assim mesmo?");
  }
  QString recusado(const char* nome) const {
    return QStringLiteral("O arquivo %1/%2 da pasta de anotações não é um arquivo comum")
        .arg(world.notesDir(), QLatin1String(nome));
  }
};

TEST_F(frmMainNotas, ANoteInAnyScriptComesBackAfterTheProgramStartsAgain) {
  const QString nota = QStringLiteral("— € 日本 Привет 😀");
  {
    auto w = janela();
    frmMainTeste t(*w);
    ASSERT_TRUE(iniciaAtiva(*w));
    ASSERT_TRUE(digita(*w, QStringLiteral("casa"), QStringLiteral("casa")));
    w->ComandoMenu(QStringLiteral("nota"));
    ASSERT_TRUE(t.m_Notas.EhVisivel());
    t.txtNota->setFocus();
    QTest::keyClicks(t.txtNota, QStringLiteral("nota: "));
    compoe(t.txtNota, nota);
    ASSERT_TRUE(digita(*w, QStringLiteral("bola"), QStringLiteral("bola")));
    EXPECT_FALSE(t.m_Notas.EhVisivel());
    fecha(*w);
  }
  const QStringList arquivos = QDir(world.notesDir()).entryList({QStringLiteral("id*.txt")});
  ASSERT_EQ(arquivos.size(), 1);
  EXPECT_EQ(world.read(QStringLiteral("notas/") + arquivos[0]),
            (QStringLiteral("nota: ") + nota + QStringLiteral("\r\n")).toUtf8());

  auto w = janela();
  frmMainTeste t(*w);
  ASSERT_TRUE(iniciaAtiva(*w));
  ASSERT_TRUE(digita(*w, QStringLiteral("casa"), QStringLiteral("casa")));
  EXPECT_TRUE(t.m_Notas.EhVisivel());
  EXPECT_EQ(t.txtNota->toPlainText(), QStringLiteral("nota: ") + nota + u'\n');
  EXPECT_TRUE(dialogs.prompts().isEmpty()) << qPrintable(dialogs.prompts().join(u'\n'));
}

TEST_F(frmMainNotas, APipeForTheBitmapLetsTheProgramStartAndNamesIt) {
  const DesbloqueiaFifo fifo(world.notesDir() + QStringLiteral("/notas.dat"));
  ASSERT_TRUE(fifo.criada());
  auto w = janela();
  ASSERT_TRUE(iniciaAtiva(*w));
  ASSERT_TRUE(digita(*w, QStringLiteral("casa"), QStringLiteral("casa")));
  EXPECT_FALSE(fifo.precisouDesbloquear());
  ASSERT_EQ(dialogs.prompts().size(), 1);
  EXPECT_TRUE(dialogs.prompts()[0].startsWith(recusado("notas.dat"))) << qPrintable(dialogs.prompts()[0]);
}

TEST_F(frmMainNotas, APipeForANoteLetsItsEntryShowAndNamesIt) {
  std::int32_t id = -1;
  {
    auto w = janela();
    frmMainTeste t(*w);
    ASSERT_TRUE(iniciaAtiva(*w));
    ASSERT_TRUE(digita(*w, QStringLiteral("casa"), QStringLiteral("casa")));
    id = t.lista.ObtemPoslista();
    w->ComandoMenu(QStringLiteral("nota"));
    t.txtNota->setPlainText(QStringLiteral("casa"));
    fecha(*w);  // saves the note and its mark
  }
  const QString arquivo = world.notesDir() + QStringLiteral("/id%1.txt").arg(id, 6, 10, QLatin1Char('0'));
  ASSERT_TRUE(QFile::remove(arquivo));
  const DesbloqueiaFifo fifo(arquivo);
  ASSERT_TRUE(fifo.criada());
  auto w = janela();
  frmMainTeste t(*w);
  ASSERT_TRUE(iniciaAtiva(*w));
  ASSERT_TRUE(digita(*w, QStringLiteral("casa"), QStringLiteral("casa")));
  EXPECT_FALSE(fifo.precisouDesbloquear());
  EXPECT_FALSE(t.m_Notas.EhVisivel());
  ASSERT_EQ(dialogs.prompts().size(), 1);
  EXPECT_TRUE(dialogs.prompts()[0].startsWith(
      QStringLiteral("O arquivo %1 da pasta de anotações não é um arquivo comum").arg(arquivo)));
}

// Closing the window is the last chance to save the open note: one that
// cannot be saved (its folder gone) keeps the window open on a No, with the
// note in its box, and is given up only on a Yes.
TEST_F(frmMainNotas, ClosingWithANoteThatCannotBeSavedAsksBeforeLosingIt) {
  auto w = janela();
  frmMainTeste t(*w);
  ASSERT_TRUE(notaSemLugar(*w));

  dialogs.answer(dlg::vbNo);
  EXPECT_FALSE(w->close());
  EXPECT_TRUE(w->isVisible());
  EXPECT_TRUE(t.m_Notas.EhVisivel());
  EXPECT_EQ(t.txtNota->toPlainText(), QStringLiteral("sem lugar"));
  ASSERT_EQ(dialogs.prompts(), QStringList{pergunta()});

  QDir().mkpath(world.notesDir());  // the folder is back: the close saves it
  EXPECT_TRUE(w->close());
  EXPECT_EQ(dialogs.prompts(), QStringList{pergunta()});
  EXPECT_EQ(QDir(world.notesDir()).entryList({QStringLiteral("id*.txt")}).size(), 1);
}

TEST_F(frmMainNotas, ClosingWithANoteThatCannotBeSavedClosesOnAYes) {
  auto w = janela();
  ASSERT_TRUE(notaSemLugar(*w));
  dialogs.answer(dlg::vbYes);
  EXPECT_TRUE(w->close());
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(dialogs.prompts(), QStringList{pergunta()});  // the Yes was the last word: no second box
}

// The session's end asks nothing: a note that cannot be saved is given up
// without a box in the way of the shutdown.
TEST_F(frmMainNotas, TheSessionsEndClosesWithoutABoxWhenTheNoteCannotBeSaved) {
  auto w = janela();
  ASSERT_TRUE(notaSemLugar(*w));
  w->FechaFimDeSessao();
  EXPECT_FALSE(w->isVisible());
  EXPECT_TRUE(dialogs.prompts().isEmpty()) << qPrintable(dialogs.prompts().join(u'\n'));
}

}  // namespace
