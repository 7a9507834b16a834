#include "TestFolders.h"

#include "ProgramPaths.h"
#include "Registry.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

void copyTree(const QString& from, const QString& to) {
  QDir().mkpath(to);
  QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString target = to + source.mid(from.size());
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::copy(source, target);
  }
}

}  // namespace

TestFolders::TestFolders(bool copyProgram) {
  if (copyProgram) {
    copyTree(QStringLiteral(MINIVOCABRA_SOURCE_DIR "/program"), programDir());
  } else {
    QDir().mkpath(programDir());
  }
  qputenv(paths::kProgramDirVariable, programDir().toUtf8());
  qputenv(reg::kUserHiveVariable, userHive().toUtf8());
  qputenv(reg::kMachineHiveVariable, machineHive().toUtf8());
  qputenv("XDG_DATA_HOME", dataHome().toUtf8());
}

TestFolders::~TestFolders() {
  qunsetenv(paths::kProgramDirVariable);
  qunsetenv(reg::kUserHiveVariable);
  qunsetenv(reg::kMachineHiveVariable);
  qunsetenv("XDG_DATA_HOME");
}

void TestFolders::write(const QString& relativePath, const QByteArray& bytes) const {
  const QString path = root() + u'/' + relativePath;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

void TestFolders::replaceWithFile(const QString& relativePath) const {
  QDir(root() + u'/' + relativePath).removeRecursively();
  write(relativePath, "not a folder");
}

void TestFolders::blockStyleSheets() const {
  replaceWithFile(QStringLiteral("program/css"));
  replaceWithFile(QStringLiteral("data-home"));
}

QByteArray TestFolders::read(const QString& relativePath) const {
  QFile file(root() + u'/' + relativePath);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
