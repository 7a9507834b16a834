#pragma once

#include <QString>

#include <chrono>

// An exclusive advisory lock (flock) on a lock file that the programs
// sharing a folder agree on, held while the object lives. The lock file is
// never replaced and holds nothing: the system drops the lock when its
// holder ends, a crash included, so a lock file left behind never keeps
// anyone out. The file is made readable and writable by everyone, so users
// sharing the folder lock the same file; file systems that carry locks
// between machines (NFS) carry this one too.
namespace files {

class AdvisoryLock final {
 public:
  enum class Status {
    Held,
    Busy,     // another holder kept it past the patience given
    Refused,  // the lock file is not a regular file (a pipe, a link, ...)
    Failed,   // the lock file cannot be made or opened
  };

  // Takes the lock on the file-system path `lockFile`, made when missing,
  // trying again while another holds it, for up to `patience`. Never waits
  // on a pipe and never follows a link at `lockFile`. Where the file system
  // keeps no locks at all, the lock counts as held (logged).
  AdvisoryLock(const QString& lockFile, std::chrono::milliseconds patience);
  ~AdvisoryLock();
  Q_DISABLE_COPY_MOVE(AdvisoryLock)

  Status status() const { return status_; }
  bool held() const { return status_ == Status::Held; }

 private:
  bool openFile(const QString& lockFile);
  Status lock(const QString& lockFile, std::chrono::milliseconds patience);

  int fd_ = -1;
  Status status_ = Status::Failed;
};

}  // namespace files
