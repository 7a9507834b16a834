#include "SingleInstance.h"

#include <QDir>

LockFileInstance::LockFileInstance(const QString& name) {
  QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::tempPath();
  path_ = folder + u'/' + name;
}

bool LockFileInstance::anotherIsRunning() {
  if (decided_) return another_;
  decided_ = true;
  lock_ = std::make_unique<QLockFile>(path_);
  lock_->setStaleLockTime(0);  // only a dead owner makes the lock stale
  another_ = !lock_->tryLock(0) && lock_->error() == QLockFile::LockFailedError;
  return another_;
}
