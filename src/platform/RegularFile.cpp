#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

bool isInside(const QString& canonical, const QString& folder) {
  const QString root = QFileInfo(folder).canonicalFilePath();
  return !root.isEmpty() && (canonical == root || canonical.startsWith(root + u'/'));
}

Resolved resolve(const QString& path, const QString& folder) {
  struct stat link {};
  if (::lstat(QFile::encodeName(path).constData(), &link) != 0) return {Kind::Missing, path};
  struct stat target {};
  if (::stat(QFile::encodeName(path).constData(), &target) != 0) {
    return {S_ISLNK(link.st_mode) && errno == ENOENT ? Kind::Missing : Kind::Refused, path};
  }
  if (!S_ISREG(target.st_mode)) return {Kind::Refused, path};
  const QString canonical = QFileInfo(path).canonicalFilePath();
  if (canonical.isEmpty()) return {Kind::Refused, path};
  if (!folder.isEmpty() && !isInside(canonical, folder)) return {Kind::Refused, path};
  return {Kind::Regular, canonical};
}

ReadResult readRegular(const QString& path, qint64 largest) {
  const QByteArray name = QFile::encodeName(path);
  struct stat info {};
  if (::stat(name.constData(), &info) != 0) return {errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed, {}};
  if (!S_ISREG(info.st_mode)) return {ReadStatus::NotRegular, {}};
  // Not waiting on open: the name may have been swapped for a pipe since.
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return {errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed, {}};
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return {ReadStatus::Failed, {}};
  }
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return {ReadStatus::NotRegular, {}};
  QByteArray bytes = largest < 0 ? file.readAll() : file.read(largest);
  if (file.error() != QFileDevice::NoError) return {ReadStatus::Failed, {}};
  return {ReadStatus::Read, std::move(bytes)};
}

}  // namespace files
