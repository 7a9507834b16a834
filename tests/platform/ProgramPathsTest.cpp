#include "ProgramPaths.h"

#include "TestFolders.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(ProgramPaths, AppPathFollowsTheEnvironment) {
  TestFolders world;
  EXPECT_EQ(paths::appPath(), world.programDir());
}

TEST(ProgramPaths, UserDataDirFollowsXdgDataHome) {
  TestFolders world;
  EXPECT_EQ(paths::userDataDir(), world.dataHome() + QStringLiteral("/minivocabra"));
  // A relative value is not a base folder: the default takes its place.
  qputenv("XDG_DATA_HOME", "relativo/dados");
  EXPECT_EQ(paths::userDataDir(), QDir::homePath() + QStringLiteral("/.local/share/minivocabra"));
}

TEST(ProgramPaths, BackslashesAndFolderCase) {
  TestFolders world;
  QDir(world.programDir()).mkpath(QStringLiteral("css"));
  const QString app = paths::appPath();
  // An existing folder asked for in another case resolves to it.
  EXPECT_EQ(paths::toFileSystem(app + QStringLiteral("\\CSS\\estilo1.css")), app + QStringLiteral("/css/estilo1.css"));
  // A folder of the program folder that does not exist yet is lower case.
  EXPECT_EQ(paths::toFileSystem(app + QStringLiteral("\\Notas\\000042.txt")), app + QStringLiteral("/notas/000042.txt"));
  // Outside the program folder the spelling is kept.
  EXPECT_EQ(paths::toFileSystem(world.root() + QStringLiteral("\\Outra\\Nota.txt")),
            world.root() + QStringLiteral("/Outra/Nota.txt"));
}

TEST(ProgramPaths, ExistingFileInAnotherCase) {
  TestFolders world;
  world.write(QStringLiteral("dados/DIC030.DAT"), "x");
  EXPECT_EQ(paths::toFileSystem(world.root() + QStringLiteral("\\dados/dic030.dat")),
            world.root() + QStringLiteral("/dados/DIC030.DAT"));
}
