#include "SmallDisk.h"

#include <QFile>

#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>

SmallDisk::SmallDisk(int kibibytes) {
  if (!dir_.isValid() || ::unshare(CLONE_NEWNS) != 0) return;
  // Nothing mounted here may reach the rest of the system.
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return;
  const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
  mounted_ = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

SmallDisk::~SmallDisk() {
  if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

void SmallDisk::fillLeaving(qint64 bytes) const {
  struct statvfs info {};
  if (::statvfs(QFile::encodeName(path()).constData(), &info) != 0) return;
  const qint64 block = static_cast<qint64>(info.f_bsize);
  const qint64 free = static_cast<qint64>(info.f_bavail) * block;
  QFile filler(path() + QStringLiteral("/filler"));
  if (free <= bytes || !filler.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  filler.write(QByteArray((free - bytes) / block * block, 'f'));
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  getrlimit(RLIMIT_FSIZE, &before_);
  rlimit limit = before_;
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &before_); }
