#include "FileWriter.h"
#include "JanelaTeste.h"
#include "MockMiniVocabraDB.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using ::testing::NiceMock;
using ::testing::Return;

namespace {

class frmMainInicio : public JanelaTeste {
 protected:
  std::unique_ptr<frmMain> janela(const QString& linhaComando = QString(), bool dadosLegiveis = true,
                                  reg::IRegistry* outro = nullptr) {
    return criaJanela(
        [this, dadosLegiveis] {
          auto db = std::make_unique<NiceMock<MockMiniVocabraDB>>();
          ON_CALL(*db, AbreDados()).WillByDefault(Return(dadosLegiveis));
          ON_CALL(*db, ObtemInfoDados()).WillByDefault(Return(QStringLiteral("Versão 2.0|Corvanta")));
          ++componentesCriados;
          return db;
        },
        linhaComando, outro);
  }
  int componentesCriados = 0;
};

TEST_F(frmMainInicio, SecondInstanceEndsAtOnceWithoutAMessage) {
  instancia.outra = true;
  auto w = janela();
  EXPECT_FALSE(w->Form_Load());
  EXPECT_TRUE(dialogs.calls().empty());
  EXPECT_EQ(componentesCriados, 0);
  EXPECT_FALSE(QFile::exists(world.userHive()));
}

TEST_F(frmMainInicio, UnreadableDataShowsMessage131AndWritesNothing) {
  auto w = janela(QString(), false);
  frmMainTeste t(*w);
  EXPECT_FALSE(w->Form_Load());
  ASSERT_EQ(dialogs.calls().size(), 1u);
  EXPECT_EQ(dialogs.calls()[0].prompt, QStringLiteral(
      "Não foi possível ler os arquivos de dados. Verifique a conexão de rede ou reinstale o produto."));
  EXPECT_EQ(dialogs.calls()[0].style, dlg::vbCritical);
  EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Dicionário Vocabra"));
  EXPECT_TRUE(splashEscondido);
  EXPECT_TRUE(t.config.RetanguloJanela.isNull());  // the settings never took the window
  EXPECT_FALSE(QFile::exists(world.userHive()));
}

TEST_F(frmMainInicio, SubclassedUnlessTheCommandLineIsExactlyMODODEBUG) {
  for (const auto& [linha, subclassificada] :
       {std::pair{QStringLiteral("MODODEBUG"), false}, {QStringLiteral("mododebug"), true},
        {QString(), true}, {QStringLiteral("MODODEBUG x"), true}}) {
    auto w = janela(linha);
    frmMainTeste t(*w);
    ASSERT_TRUE(w->Form_Load());
    EXPECT_EQ(t.subclassificada(), subclassificada) << qPrintable(linha);
    w->Form_QueryUnload();
    w->Form_Unload();
    EXPECT_FALSE(t.subclassificada());
  }
}

TEST_F(frmMainInicio, ChangedInstallationResetsTheNotesFolder) {
  QDir(world.programDir()).mkpath(QStringLiteral("notas"));
  setHive(reg::HKEY_LOCAL_MACHINE, "Instalacao", "7");
  setHive(reg::HKEY_CURRENT_USER, "DirNotas", "/home/outra/notas");
  auto w = janela();
  frmMainTeste t(*w);
  ASSERT_TRUE(w->Form_Load());
  EXPECT_EQ(t.config.LeReg(QStringLiteral("DirNotas"), QString()), world.programDir() + QStringLiteral("/notas"));
  EXPECT_EQ(t.config.LeRegCU(QStringLiteral("Instalacao"), QString()), QStringLiteral("7"));
  EXPECT_EQ(t.lblNomeEmpresa->text(), QStringLiteral("Corvanta"));

  // The next start, with the same stamps, leaves the user's folder alone.
  t.config.GravaReg(QStringLiteral("DirNotas"), QStringLiteral("/home/outra/notas"));
  auto proxima = janela();
  ASSERT_TRUE(proxima->Form_Load());
  EXPECT_EQ(frmMainTeste(*proxima).config.LeReg(QStringLiteral("DirNotas"), QString()), QStringLiteral("/home/outra/notas"));
}

// A program folder whose notas cannot be written (an installed one, say)
// leaves the notes to the user's data folder, made at the first start.
TEST_F(frmMainInicio, WithoutAWritableNotesFolderTheNotesGoToTheUsersDataFolder) {
  world.replaceWithFile(QStringLiteral("program/notas"));
  auto w = janela();
  frmMainTeste t(*w);
  ASSERT_TRUE(iniciaAtiva(*w));
  const QString doUsuario = world.dataHome() + QStringLiteral("/minivocabra/notas");
  EXPECT_EQ(t.config.LeReg(QStringLiteral("DirNotas"), QString()), doUsuario);
  EXPECT_TRUE(QFile::exists(doUsuario + QStringLiteral("/notas.dat")));
  EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(frmMainInicio, ShutdownSavesTheWindowAndTheSearchMode) {
  auto w = janela();
  frmMainTeste t(*w);
  ASSERT_TRUE(w->Form_Load());
  EXPECT_EQ(t.btCasa->toolTip(), QStringLiteral("Página Inicial"));
  EXPECT_EQ(t.imgNota->toolTip(), QStringLiteral("Inserir Nota"));
  w->Form_QueryUnload();
  EXPECT_FALSE(t.temPesquisa());
  w->Form_Unload();
  reg::Registry reread(world.userHive(), world.machineHive(), nullptr);
  ScriptedDialogs d;
  CConfig config(reread, d);
  EXPECT_EQ(config.LeReg(QStringLiteral("ModoBusca"), QString()), QStringLiteral("0"));
  EXPECT_EQ(config.LeReg(QStringLiteral("JanelaMax"), QString()), QStringLiteral("1"));  // first run opens maximised
  EXPECT_TRUE(config.LeReg(QStringLiteral("JanelaW"), QString()).startsWith(u' '));
}

TEST_F(frmMainInicio, LeftButtonReleaseRecordsThePositionOnlyWhenSubclassed) {
  auto w = janela();
  frmMainTeste t(*w);
  ASSERT_TRUE(w->Form_Load());
  t.config.RestaurarJanela();
  w->move(40, 30);
  QTest::mouseRelease(w.get(), Qt::LeftButton, {}, QPoint(500, 300));
  EXPECT_EQ(t.config.RetanguloJanela.topLeft(), QPoint(600, 450));
}

}  // namespace

namespace {

// The first show gives the window its first activation's look before
// anything can be painted (no event has been handled when show returns).
TEST_F(frmMainInicio, TheFirstShowHidesTheEntryToolbarBeforeAnythingIsPainted) {
  auto w = janela();
  frmMainTeste t(*w);
  ASSERT_TRUE(w->Form_Load());
  w->show();
  EXPECT_TRUE(t.imgPrinter->isHidden());
  EXPECT_TRUE(t.btVisual[0]->isHidden());
}

TEST_F(frmMainInicio, ClosingTheWindowRunsTheShutdownOnceAndEndsTheProgram) {
  auto w = janela();
  frmMainTeste t(*w);
  ASSERT_TRUE(w->Form_Load());
  w->show();
  QSignalSpy encerrado(w.get(), &frmMain::Encerrado);
  w->close();
  EXPECT_EQ(encerrado.count(), 1);
  EXPECT_FALSE(t.temPesquisa());
  EXPECT_TRUE(QFile::exists(world.userHive()));
  w->close();
  EXPECT_EQ(encerrado.count(), 1);
}

// A save ended by a kill leaves its temporary file; the next start removes
// those beside the settings, the notes and the style sheets, and nothing else.
TEST_F(frmMainInicio, StaleTemporariesOfEarlierSavesAreRemovedAtStart) {
  const QStringList pastas = {QStringLiteral("config"), QStringLiteral("program/notas"), QStringLiteral("program/css")};
  const QStringList alvos = {QStringLiteral("HKEY_CURRENT_USER.reg"), QStringLiteral("notas.dat"),
                             QStringLiteral("estilo1.css")};
  const QDateTime antes = QDateTime::currentDateTime().addSecs(-600);
  for (qsizetype i = 0; i < pastas.size(); ++i) {
    for (const QString& nome : {files::temporaryName(alvos[i]), alvos[i] + QStringLiteral(".Xy12Ab")}) {
      world.write(pastas[i] + u'/' + nome, "meio");
      QFile arquivo(world.root() + u'/' + pastas[i] + u'/' + nome);
      ASSERT_TRUE(arquivo.open(QIODevice::ReadWrite));
      arquivo.setFileTime(antes, QFileDevice::FileModificationTime);
    }
  }
  reg::Registry registro(world.userHive(), world.machineHive(), nullptr);
  auto w = janela(QString(), true, &registro);
  ASSERT_TRUE(iniciaAtiva(*w));
  for (qsizetype i = 0; i < pastas.size(); ++i) {
    const QStringList restam =
        QDir(world.root() + u'/' + pastas[i]).entryList({QStringLiteral("*Xy12Ab*"), QStringLiteral(".*")},
                                                         QDir::Files | QDir::Hidden);
    EXPECT_EQ(restam, QStringList{alvos[i] + QStringLiteral(".Xy12Ab")}) << qPrintable(pastas[i]);
  }
}

}  // namespace
