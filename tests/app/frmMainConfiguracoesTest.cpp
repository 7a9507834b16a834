#include "FailingFileWriter.h"
#include "JanelaTeste.h"
#include "ResourceStrings.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// The stored settings the main window meets at start and leaves at exit.
class frmMainConfiguracoes : public JanelaTeste {
 protected:
  frmMainConfiguracoes() {
    // The same installation on both sides, so the stored folder stays.
    setHive(reg::HKEY_LOCAL_MACHINE, "Instalacao", "1");
    setHive(reg::HKEY_CURRENT_USER, "Instalacao", "1");
  }
  std::unique_ptr<frmMain> janela(reg::IRegistry* outro = nullptr) {
    return criaJanela(componenteQueAbre(), QString(), outro);
  }
};

// A folder gone missing (a drive not mounted) is told as missing, not as
// one that refuses writing, and is not made anew where the drive would go.
TEST_F(frmMainConfiguracoes, AStoredNotesFolderGoneMissingIsToldAsMissing) {
  const QString pasta = world.root() + QStringLiteral("/pendrive/notas");
  setHive(reg::HKEY_CURRENT_USER, "DirNotas", pasta.toUtf8());
  auto w = janela();
  ASSERT_TRUE(iniciaAtiva(*w));
  ASSERT_EQ(dialogs.prompts(), QStringList{LoadResString(894).replace(QStringLiteral("%1"), pasta)});
  EXPECT_EQ(dialogs.calls()[0].title, LoadResString(100));
  EXPECT_FALSE(QFileInfo::exists(pasta));
}

TEST_F(frmMainConfiguracoes, AStoredNotesFolderThatIsThereIsReadWithoutAMessage) {
  const QString pasta = world.root() + QStringLiteral("/notas de fora");
  QDir().mkpath(pasta);
  setHive(reg::HKEY_CURRENT_USER, "DirNotas", pasta.toUtf8());
  auto w = janela();
  ASSERT_TRUE(iniciaAtiva(*w));
  EXPECT_TRUE(dialogs.prompts().isEmpty());
  EXPECT_TRUE(QFileInfo::exists(pasta + QStringLiteral("/notas.dat")));
}

// A folder of blanks is one the user confirmed knowing the notes are then
// off: nothing is read and nothing is said.
TEST_F(frmMainConfiguracoes, ABlankNotesFolderReadsNothingAndSaysNothing) {
  setHive(reg::HKEY_CURRENT_USER, "DirNotas", "   ");
  auto w = janela();
  ASSERT_TRUE(iniciaAtiva(*w));
  EXPECT_TRUE(dialogs.prompts().isEmpty());
}

// The program's own state at start (a new installation's notes folder) and
// at exit (placement, search mode, last searches) cannot be written: the
// user hears of it once in the run, and the file keeps what it had.
TEST_F(frmMainConfiguracoes, FailedSavesOfTheProgramsOwnStateAreToldOnceARun) {
  setHive(reg::HKEY_LOCAL_MACHINE, "Instalacao", "2");
  setHive(reg::HKEY_CURRENT_USER, "JanelaMax", "0");
  const QByteArray antes = world.read(QStringLiteral("config/HKEY_CURRENT_USER.reg"));
  FailingFileWriter gravador;
  gravador.failWritesTo(QStringLiteral(".reg"));
  reg::Registry falha(world.userHive(), world.machineHive(), nullptr, gravador);
  auto w = janela(&falha);
  ASSERT_TRUE(iniciaAtiva(*w));
  const QString aviso = LoadResString(891).replace(QStringLiteral("%1"), world.userHive());
  EXPECT_EQ(dialogs.prompts(), QStringList{aviso});
  w->Form_QueryUnload();
  w->Form_Unload();
  EXPECT_EQ(dialogs.prompts(), QStringList{aviso});
  EXPECT_EQ(world.read(QStringLiteral("config/HKEY_CURRENT_USER.reg")), antes);
  EXPECT_GE(gravador.failures(), 2);
}

}  // namespace
