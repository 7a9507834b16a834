#include "WritableFolders.h"

#include "ProgramPaths.h"

#include <QDir>
#include <QFileInfo>

namespace paths {
namespace {

// The program folder's own `name` when this user may write into it, else
// the user's data folder's.
QString writableFolder(const QString& name) {
  const QString own = QFileInfo(appPath() + u'/' + name).absoluteFilePath();
  const QFileInfo info(own);
  if (!isInstalledProgramFolder() && info.isDir() && info.isWritable()) return own;
  return userDataDir() + u'/' + name;
}

QString clean(const QString& path) { return QDir::cleanPath(QFileInfo(toFileSystem(path)).absoluteFilePath()); }

}  // namespace

QString defaultNotesFolder() { return writableFolder(QStringLiteral("notas")); }

void makeUserNotesFolder(const QString& folder) {
  const QString own = userDataDir() + QStringLiteral("/notas");
  if (clean(folder) == clean(own)) QDir().mkpath(own);
}

QString styleSheetFolder() { return writableFolder(QStringLiteral("css")); }

QString styleSheetInUse(const QString& file) {
  const QFileInfo asked(file);
  const QString programSheets = QFileInfo(appPath() + QStringLiteral("/css")).absoluteFilePath();
  if (QDir::cleanPath(asked.absolutePath()) != programSheets) return file;
  const QString written = styleSheetFolder();
  if (written == programSheets) return file;
  const QString users = written + u'/' + asked.fileName();
  return QFileInfo::exists(users) ? users : file;
}

}  // namespace paths
