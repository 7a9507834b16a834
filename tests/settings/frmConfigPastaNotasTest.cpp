#include "frmConfig.h"

#include "DialogosFixture.h"
#include "ResourceStrings.h"
#include "SmallDisk.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include <sys/mount.h>

namespace {

// The notes folder the general options dialog is confirmed with.
class PastaNotasNoDialogo : public DialogosFixture {
 protected:
  PastaNotasNoDialogo() : dlg(frmConfig::Dependencias{config, registry, dialogs, comando(), {}}) {
    config.GravaReg(QStringLiteral("DirNotas"), antiga());
  }
  QString antiga() const { return world.notesDir(); }
  // Confirms the dialog with `pasta` typed into the folder box.
  void confirma(const QString& pasta) {
    dlg.Cancela = false;
    dlg.show();
    dlg.findChild<QLineEdit*>(QStringLiteral("txtDirNotas"))->setText(pasta);
    QTest::mouseClick(dlg.findChild<QWidget*>(QStringLiteral("cmdOK")), Qt::LeftButton);
  }
  // The dialog refused `pasta` with message `id`, and nothing changed.
  void recusada(const QString& pasta, int id) {
    EXPECT_TRUE(dlg.isVisible()) << qPrintable(pasta);
    ASSERT_EQ(dialogs.prompts(), QStringList{LoadResString(id).replace(QStringLiteral("%1"), pasta)});
    EXPECT_EQ(dialogs.calls().back().title, LoadResString(100));
    EXPECT_EQ(salvo(QStringLiteral("DirNotas")), antiga());
    EXPECT_EQ(salvo(QStringLiteral("FormaApresentacao")), QStringLiteral("<nada>"));
    EXPECT_TRUE(comandos.isEmpty());
  }

  frmConfig dlg;
};

TEST_F(PastaNotasNoDialogo, AFolderThatIsNotThereIsMadeWithItsParentsOnOk) {
  const QString nova = world.root() + QStringLiteral("/um/dois/notas");
  confirma(nova);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_TRUE(QFileInfo(nova).isDir());
  EXPECT_TRUE(QDir(nova).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) << "the probe is gone";
  EXPECT_EQ(salvo(QStringLiteral("DirNotas")), nova);
  EXPECT_EQ(comandos, QStringList{QStringLiteral("DirNotas")});
  EXPECT_TRUE(dialogs.prompts().isEmpty());
}

// A file where the folder, or a folder above it, would be: no one can make
// the folder, not even root.
TEST_F(PastaNotasNoDialogo, AFolderThatCannotBeMadeIsRefusedAsSuch) {
  world.write(QStringLiteral("arquivo"), "x");
  for (const char* caminho : {"/arquivo", "/arquivo/notas"}) {
    dialogs = ScriptedDialogs();
    const QString pasta = world.root() + QString::fromLatin1(caminho);
    confirma(pasta);
    recusada(pasta, 892);
  }
}

// A file system mounted read-only refuses every new file and folder, even
// root's: an existing folder there takes no note, and a missing one cannot
// be made.
TEST_F(PastaNotasNoDialogo, AReadOnlyFolderIsRefusedAsUnwritableAndOneBelowItAsNotMade) {
  const SmallDisk disco(64);
  if (!disco.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
  const QString existente = disco.path() + QStringLiteral("/notas");
  ASSERT_TRUE(QDir().mkpath(existente));
  ASSERT_EQ(::mount(nullptr, QFile::encodeName(disco.path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr),
            0);
  confirma(existente);
  recusada(existente, 893);

  dialogs = ScriptedDialogs();
  const QString abaixo = existente + QStringLiteral("/novas");
  confirma(abaixo);
  recusada(abaixo, 892);
  EXPECT_FALSE(QFileInfo::exists(abaixo));
}

// A folder refused keeps the dialog open on what was typed; fixed, it saves.
TEST_F(PastaNotasNoDialogo, ARefusedFolderCanBeFixedInTheOpenDialog) {
  world.write(QStringLiteral("arquivo"), "x");
  confirma(world.root() + QStringLiteral("/arquivo/notas"));
  ASSERT_TRUE(dlg.isVisible());
  EXPECT_EQ(dlg.findChild<QLineEdit*>(QStringLiteral("txtDirNotas"))->text(),
            world.root() + QStringLiteral("/arquivo/notas"));
  confirma(world.root() + QStringLiteral("/outra"));
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_FALSE(dlg.Cancela);
  EXPECT_EQ(salvo(QStringLiteral("DirNotas")), world.root() + QStringLiteral("/outra"));
}

}  // namespace
