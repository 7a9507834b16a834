#include "PageAccess.h"

#include "ProgramPaths.h"

#include <QFileInfo>

namespace pageaccess {
namespace {

bool inside(const QString& canonical, const QString& folder) {
  const QString root = QFileInfo(folder).canonicalFilePath();
  return !root.isEmpty() && (canonical == root || canonical.startsWith(root + u'/'));
}

}  // namespace

Verdict check(const QString& path) {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  if (canonical.isEmpty()) return Verdict::Missing;
  if (!inside(canonical, paths::appPath()) && !inside(canonical, paths::userDataDir() + QStringLiteral("/css")))
    return Verdict::Outside;
  const QFileInfo file(canonical);
  if (!file.isFile() || file.size() > kLargestPage) return Verdict::NotAPage;
  return Verdict::Allowed;
}

}  // namespace pageaccess
