#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Whether another instance of the program runs: the first instance holds a
// lock file in $XDG_RUNTIME_DIR (or the temporary folder) for its whole life.
class ISingleInstance {
 public:
  virtual ~ISingleInstance() = default;
  // True when another live process holds the lock.
  virtual bool anotherIsRunning() = 0;
};

class LockFileInstance final : public ISingleInstance {
 public:
  // `name` names the lock file; tests pass their own.
  explicit LockFileInstance(const QString& name = QStringLiteral("minivocabra.lock"));
  Q_DISABLE_COPY_MOVE(LockFileInstance)

  // Takes the lock on the first call; false when it was taken, true when
  // another process holds it. A lock left by a process that died is taken.
  bool anotherIsRunning() override;

 private:
  QString path_;
  std::unique_ptr<QLockFile> lock_;
  bool decided_ = false;
  bool another_ = false;
};
