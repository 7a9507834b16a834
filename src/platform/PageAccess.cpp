#include "PageAccess.h"

#include "ProgramPaths.h"
#include "RegularFile.h"

#include <QFileInfo>

namespace pageaccess {

using files::isInside;

Verdict check(const QString& path) {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  if (canonical.isEmpty()) return Verdict::Missing;
  if (!isInside(canonical, paths::appPath()) && !isInside(canonical, paths::userDataDir() + QStringLiteral("/css")))
    return Verdict::Outside;
  const QFileInfo file(canonical);
  if (!file.isFile() || file.size() > kLargestPage) return Verdict::NotAPage;
  return Verdict::Allowed;
}

}  // namespace pageaccess
