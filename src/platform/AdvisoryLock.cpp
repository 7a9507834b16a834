#include "AdvisoryLock.h"

#include "RegularFile.h"

#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

constexpr int kOpenFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
constexpr std::chrono::milliseconds kRetry{5};

}  // namespace

AdvisoryLock::AdvisoryLock(const QString& lockFile, std::chrono::milliseconds patience) {
  if (openFile(lockFile)) status_ = lock(lockFile, patience);
}

AdvisoryLock::~AdvisoryLock() {
  if (fd_ >= 0) ::close(fd_);  // drops the lock
}

bool AdvisoryLock::openFile(const QString& lockFile) {
  const QByteArray name = QFile::encodeName(lockFile);
  fd_ = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | kOpenFlags, 0666);
  if (fd_ >= 0) {
    // Whatever this user's umask, the others sharing the folder must open it
    // for writing too (an exclusive lock over NFS asks for that).
    ::fchmod(fd_, 0666);
    return true;
  }
  // Nothing but a regular file is opened: opening a device may act.
  OpenResult opened{OpenStatus::Failed, -1, errno};
  if (opened.error == EEXIST) opened = openRegular(lockFile, O_RDWR | O_NOFOLLOW);
  if (opened.error == EACCES) opened = openRegular(lockFile, O_RDONLY | O_NOFOLLOW);
  fd_ = opened.fd;
  switch (opened.status) {
    case OpenStatus::Opened:
      return true;
    case OpenStatus::NotRegular:
      qWarning("the lock file %s is not a regular file", name.constData());
      status_ = Status::Refused;
      return false;
    case OpenStatus::Missing:
    case OpenStatus::Failed:
      break;
  }
  qWarning("cannot open the lock file %s: %s", name.constData(), std::strerror(opened.error));
  status_ = opened.error == ELOOP ? Status::Refused : Status::Failed;
  return false;
}

AdvisoryLock::Status AdvisoryLock::lock(const QString& lockFile, std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return Status::Held;
    const int error = errno;
    if (error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS) {
      qWarning("%s: the file system keeps no locks; going on without", qPrintable(lockFile));
      return Status::Held;
    }
    if (error != EWOULDBLOCK && error != EINTR) {
      qWarning("cannot lock %s: %s", qPrintable(lockFile), std::strerror(error));
      return Status::Failed;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      qWarning("%s stayed locked by another program", qPrintable(lockFile));
      return Status::Busy;
    }
    QThread::msleep(kRetry.count());
  }
}

}  // namespace files
