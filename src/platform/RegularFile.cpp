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

OpenResult openRegular(const QString& path, int flags) {
  const QByteArray name = QFile::encodeName(path);
  const auto failed = [](int error) {
    return OpenResult{error == ENOENT ? OpenStatus::Missing : OpenStatus::Failed, -1, error};
  };
  struct stat info {};
  const int looked = (flags & O_NOFOLLOW) != 0 ? ::lstat(name.constData(), &info) : ::stat(name.constData(), &info);
  if (looked != 0) return failed(errno);
  if (!S_ISREG(info.st_mode)) return {OpenStatus::NotRegular};
  // Not waiting on open: the name may have been swapped for a pipe since.
  const int fd = ::open(name.constData(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return failed(errno);
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return {OpenStatus::NotRegular};
  }
  return {OpenStatus::Opened, fd};
}

ReadResult readRegular(const QString& path, qint64 largest) {
  const OpenResult opened = openRegular(path, O_RDONLY);
  switch (opened.status) {
    case OpenStatus::Opened:
      break;
    case OpenStatus::Missing:
      return {ReadStatus::Missing, {}};
    case OpenStatus::NotRegular:
      return {ReadStatus::NotRegular, {}};
    case OpenStatus::Failed:
      return {ReadStatus::Failed, {}};
  }
  QFile file;
  if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(opened.fd);
    return {ReadStatus::Failed, {}};
  }
  QByteArray bytes = largest < 0 ? file.readAll() : file.read(largest);
  if (file.error() != QFileDevice::NoError) return {ReadStatus::Failed, {}};
  return {ReadStatus::Read, std::move(bytes)};
}

}  // namespace files
