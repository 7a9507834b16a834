#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// The path of the file `name` that marks the user's running program: in
// $XDG_RUNTIME_DIR, the user's own folder; failing it, in the temporary
// folder with the user's id added to the name, so that the copies run by
// two users never meet.
QString runtimeFile(const QString& name);

// Whether another instance of the program runs: the first instance holds a
// lock file (runtimeFile) for its whole life.
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
