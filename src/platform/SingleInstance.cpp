#include "SingleInstance.h"

#include <QDir>

#include <unistd.h>

QString runtimeFile(const QString& name) {
  const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!folder.isEmpty() && QDir(folder).exists()) return folder + u'/' + name;
  return QDir::tempPath() + u'/' + name + u'-' + QString::number(::getuid());
}

LockFileInstance::LockFileInstance(const QString& name) : path_(runtimeFile(name)) {}

bool LockFileInstance::anotherIsRunning() {
  if (decided_) return another_;
  decided_ = true;
  lock_ = std::make_unique<QLockFile>(path_);
  lock_->setStaleLockTime(0);  // only a dead owner makes the lock stale
  another_ = !lock_->tryLock(0) && lock_->error() == QLockFile::LockFailedError;
  return another_;
}
