#include "WritableFolders.h"

#include "ProgramPaths.h"
#include "TestFolders.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

class WritableFolders : public ::testing::Test {
 protected:
  // Moves the program folder to `relative` under the world's root.
  QString programAt(const QString& relative) {
    const QString folder = world.root() + u'/' + relative;
    QDir().mkpath(folder + QStringLiteral("/css"));
    QDir().mkpath(folder + QStringLiteral("/notas"));
    qputenv(paths::kProgramDirVariable, folder.toUtf8());
    return folder;
  }
  QString users(const char* name) const { return world.dataHome() + QStringLiteral("/minivocabra/") + name; }

  TestFolders world;
};

// The build tree's program folder keeps its notes and sheets; an installed
// one, or one whose folders cannot be written, leaves them to the user.
TEST_F(WritableFolders, TheProgramFolderHoldsWhatItsUserMayWriteThere) {
  const QString build = programAt(QStringLiteral("build/program"));
  EXPECT_FALSE(paths::isInstalledProgramFolder());
  EXPECT_EQ(paths::defaultNotesFolder(), build + QStringLiteral("/notas"));
  EXPECT_EQ(paths::styleSheetFolder(), build + QStringLiteral("/css"));

  world.replaceWithFile(QStringLiteral("build/program/notas"));
  world.replaceWithFile(QStringLiteral("build/program/css"));
  EXPECT_EQ(paths::defaultNotesFolder(), users("notas"));
  EXPECT_EQ(paths::styleSheetFolder(), users("css"));

  programAt(QStringLiteral("usr/share/minivocabra/program"));
  EXPECT_TRUE(paths::isInstalledProgramFolder());
  EXPECT_EQ(paths::defaultNotesFolder(), users("notas"));
  EXPECT_EQ(paths::styleSheetFolder(), users("css"));
}

TEST_F(WritableFolders, PagesReadTheUsersSheetWhenTheSheetsAreWrittenThere) {
  const QString installed = programAt(QStringLiteral("usr/share/minivocabra/program"));
  const QString sheet = installed + QStringLiteral("/css/estilo1.css");
  const QString other = installed + QStringLiteral("/css/ajuda.css");
  world.write(QStringLiteral("data-home/minivocabra/css/estilo1.css"), "p{}");
  EXPECT_EQ(paths::styleSheetInUse(sheet), users("css") + QStringLiteral("/estilo1.css"));
  EXPECT_EQ(paths::styleSheetInUse(other), other) << "no copy of the user's";
  EXPECT_EQ(paths::styleSheetInUse(installed + QStringLiteral("/f1.htm")), installed + QStringLiteral("/f1.htm"));

  // Where the program folder takes the sheets, a stale copy of the user's
  // is not read.
  const QString build = programAt(QStringLiteral("build/program"));
  EXPECT_EQ(paths::styleSheetInUse(build + QStringLiteral("/css/estilo1.css")),
            build + QStringLiteral("/css/estilo1.css"));
}

TEST_F(WritableFolders, OnlyTheUsersOwnNotesFolderIsMade) {
  paths::makeUserNotesFolder(world.root() + QStringLiteral("\\outra"));
  EXPECT_FALSE(QDir(world.root() + QStringLiteral("/outra")).exists());
  paths::makeUserNotesFolder(users("notas"));
  EXPECT_TRUE(QDir(users("notas")).exists());
}

}  // namespace
