#include "FileWriter.h"

#include "SmallDisk.h"
#include "TestFolders.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList entries(const QString& folder) {
  QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
  names.sort();
  return names;
}

mode_t modeOf(const QString& path) {
  struct stat info {};
  ::stat(QFile::encodeName(path).constData(), &info);
  return info.st_mode & 07777;
}

class FileWriterTest : public ::testing::Test {
 protected:
  QString at(const char* name) const { return world.root() + u'/' + QString::fromUtf8(name); }

  TestFolders world;
};

TEST_F(FileWriterTest, ReplacesTheFileWholeKeepingItsModeAndLeavesNoTemporary) {
  put(at("nota.txt"), "velha");
  ::chmod(QFile::encodeName(at("nota.txt")).constData(), 0640);
  ASSERT_TRUE(files::disk().write(at("nota.txt"), QByteArray("nova")));
  EXPECT_EQ(readAll(at("nota.txt")), QByteArray("nova"));
  EXPECT_EQ(modeOf(at("nota.txt")), 0640u);
  ASSERT_TRUE(files::disk().write(at("nova.txt"), QByteArray()));
  EXPECT_TRUE(QFile::exists(at("nova.txt")));
  EXPECT_EQ(entries(world.root()), QStringList({QStringLiteral("nota.txt"), QStringLiteral("nova.txt")}));
}

TEST_F(FileWriterTest, ALinkIsFollowedToTheFileItNames) {
  put(at("alvo.css"), "velha");
  ASSERT_TRUE(QFile::link(at("alvo.css"), at("link.css")));
  ASSERT_TRUE(files::disk().write(at("link.css"), QByteArray("nova")));
  EXPECT_TRUE(QFileInfo(at("link.css")).isSymLink());
  EXPECT_EQ(readAll(at("alvo.css")), QByteArray("nova"));
}

TEST_F(FileWriterTest, AFolderThatRefusesFilesOrASourceThatFailsChangesNothing) {
  put(at("bloqueio"), "a file where a folder should be");
  EXPECT_FALSE(files::disk().write(at("bloqueio/a.txt"), QByteArray("x")));

  put(at("a.txt"), "velha");
  QBuffer unreadable;
  unreadable.open(QIODevice::WriteOnly);
  EXPECT_FALSE(files::disk().write(at("a.txt"), unreadable));
  EXPECT_EQ(readAll(at("a.txt")), QByteArray("velha"));
  EXPECT_EQ(entries(world.root()), QStringList({QStringLiteral("a.txt"), QStringLiteral("bloqueio")}));
}

// What a full disk does to a write smaller than the library's own buffers:
// the failure shows only when the data reaches the disk.
TEST_F(FileWriterTest, AFullDiskFailsTheWriteAndKeepsTheOldFile) {
  const SmallDisk disk(64);
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
  const QString path = disk.path() + QStringLiteral("/HKEY_CURRENT_USER.reg");
  const QByteArray old(3000, 'v');
  ASSERT_TRUE(files::disk().write(path, old));
  disk.fillLeaving(4096);
  for (const qsizetype size : {qsizetype(6000), qsizetype(12000)}) {
    EXPECT_FALSE(files::disk().write(path, QByteArray(size, 'n'))) << size;
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(entries(disk.path()), QStringList({QStringLiteral("HKEY_CURRENT_USER.reg"), QStringLiteral("filler")}));
  }
}

// A file-size limit makes the write fail part-way; the program is not ended
// by the signal the system sends for it.
TEST_F(FileWriterTest, AFileSizeLimitFailsTheWriteAndKeepsTheOldFile) {
  put(at("notas.dat"), QByteArray(100, 'v'));
  {
    const FileSizeLimit limit(1000);
    EXPECT_FALSE(files::disk().write(at("notas.dat"), QByteArray(5000, 'n')));
  }
  EXPECT_EQ(readAll(at("notas.dat")), QByteArray(100, 'v'));
  EXPECT_EQ(entries(world.root()), QStringList({QStringLiteral("notas.dat")}));
}

TEST_F(FileWriterTest, OnlyOldTemporariesOfItsOwnAreRemoved) {
  const QString old = files::temporaryName(QStringLiteral("notas.dat"));
  const QString fresh = files::temporaryName(QStringLiteral("id000042.txt"));
  ASSERT_TRUE(files::isTemporaryName(old));
  const QStringList kept = {fresh, QStringLiteral("notas.dat"), QStringLiteral("notas.dat.backup"),
                            QStringLiteral("notas.dat.Xy12Ab"), QStringLiteral("a.minivocabra-tmp"),
                            QStringLiteral(".notas.dat.abc.minivocabra-tmp")};
  for (const QString& name : kept + QStringList{old}) put(world.root() + u'/' + name, "x");
  for (const QString& name : kept + QStringList{old}) {
    QFile file(world.root() + u'/' + name);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    if (name != fresh) file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
  }
  EXPECT_EQ(files::removeStaleTemporaries(world.root()), 1);
  QStringList expected = kept;
  expected.sort();
  EXPECT_EQ(entries(world.root()), expected);
}

}  // namespace
