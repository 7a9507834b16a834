#pragma once

#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

// A small file system of its own (tmpfs), mounted in a mount namespace
// private to the calling thread, so a test meets a real full disk. It needs
// root and mount namespaces; where they are missing mounted() is false and
// the test should skip.
class SmallDisk final {
 public:
  explicit SmallDisk(int kibibytes);
  ~SmallDisk();
  Q_DISABLE_COPY_MOVE(SmallDisk)

  bool mounted() const { return mounted_; }
  QString path() const { return dir_.path(); }

  // Takes up the free space, but about `bytes`, with a file of its own.
  void fillLeaving(qint64 bytes) const;

 private:
  QTemporaryDir dir_;
  bool mounted_ = false;
};

// Lowers the size of the largest file this process may write, so a write
// fails part-way as on a full disk; restored at the end of the scope.
class FileSizeLimit final {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();
  Q_DISABLE_COPY_MOVE(FileSizeLimit)

 private:
  rlimit before_{};
};
