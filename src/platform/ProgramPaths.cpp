#include "ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace paths {
namespace {

QString cleanFolder(const QString& folder) {
  QString clean = QDir::cleanPath(folder);
  while (clean.size() > 1 && clean.endsWith(u'/')) clean.chop(1);
  return clean;
}

QString installedProgramFolder() {
  const QString exeDir = QCoreApplication::instance() != nullptr
                             ? QCoreApplication::applicationDirPath()
                             : QDir::currentPath();
  const QString buildTree = exeDir + QStringLiteral("/../program");
  if (QFileInfo(buildTree).isDir()) return buildTree;
  return exeDir + QStringLiteral("/../") + QLatin1String(kInstalledProgramFolder);
}

// The entry of `folder` named `name` in any case, or `name` when none is.
QString matchEntry(const QString& folder, const QString& name) {
  if (name.isEmpty() || name == u"." || name == u"..") return name;
  if (QFileInfo::exists(folder + u'/' + name)) return name;
  const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
  for (const QString& entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
  }
  return QString();
}

}  // namespace

QString appPath() {
  const QString fromEnv = qEnvironmentVariable(kProgramDirVariable);
  return cleanFolder(fromEnv.isEmpty() ? installedProgramFolder() : fromEnv);
}

bool isInstalledProgramFolder() {
  const QString folder = QDir::cleanPath(QFileInfo(appPath()).absoluteFilePath());
  return folder.endsWith(u'/' + QLatin1String(kInstalledProgramFolder));
}

QString userDataDir() {
  QString data = qEnvironmentVariable("XDG_DATA_HOME");
  if (!QDir::isAbsolutePath(data)) data = QDir::homePath() + QStringLiteral("/.local/share");
  return cleanFolder(data) + QStringLiteral("/minivocabra");
}

QString toFileSystem(const QString& programPath) {
  QString path = programPath;
  path.replace(u'\\', u'/');
  const bool absolute = path.startsWith(u'/');
  const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
  const QString program = appPath();

  QString built = absolute ? QStringLiteral("/") : QString();
  for (qsizetype i = 0; i < parts.size(); ++i) {
    const QString folder = built.isEmpty() ? QStringLiteral(".") : built;
    QString name = matchEntry(folder, parts[i]);
    if (name.isEmpty()) {
      const bool isFolder = i + 1 < parts.size();
      const bool insideProgram = cleanFolder(folder) == program || built.startsWith(program + u'/');
      name = (isFolder && insideProgram) ? parts[i].toLower() : parts[i];
    }
    if (!built.isEmpty() && !built.endsWith(u'/')) built += u'/';
    built += name;
  }
  if (path.endsWith(u'/') && !built.endsWith(u'/')) built += u'/';
  return built;
}

}  // namespace paths
