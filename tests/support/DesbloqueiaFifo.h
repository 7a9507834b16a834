#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A named pipe (FIFO) made at `path`, and a guard for it: should the code
// under test still be waiting on the pipe after a generous limit, the guard
// feeds and closes it so the test ends (and fails) instead of hanging. The
// guard stops when the object dies.
class DesbloqueiaFifo final {
 public:
  explicit DesbloqueiaFifo(const QString& path, std::chrono::seconds limite = std::chrono::seconds(30))
      : path_(QFile::encodeName(path)) {
    criada_ = ::mkfifo(path_.constData(), 0666) == 0;
    guarda_ = std::thread([this, limite] { guarda(limite); });
  }
  ~DesbloqueiaFifo() {
    {
      const std::lock_guard<std::mutex> trava(mutex_);
      fim_ = true;
    }
    acorda_.notify_all();
    guarda_.join();
  }
  DesbloqueiaFifo(const DesbloqueiaFifo&) = delete;
  DesbloqueiaFifo& operator=(const DesbloqueiaFifo&) = delete;

  bool criada() const { return criada_; }
  // Whether the code under test had to be set free.
  bool precisouDesbloquear() const { return desbloqueou_; }

 private:
  void guarda(std::chrono::seconds limite) {
    std::unique_lock<std::mutex> trava(mutex_);
    if (acorda_.wait_for(trava, limite, [this] { return fim_; })) return;
    while (!fim_) {
      desbloqueou_ = true;
      // Read-write never waits; what is written ends a read that waits for
      // data, and the close ends one that waits for the end.
      const int fd = ::open(path_.constData(), O_RDWR | O_NONBLOCK);
      if (fd >= 0) {
        static const char zeros[65536] = {};
        (void)!::write(fd, zeros, sizeof zeros);
        ::close(fd);
      }
      acorda_.wait_for(trava, std::chrono::seconds(1), [this] { return fim_; });
    }
  }

  QByteArray path_;
  bool criada_ = false;
  std::atomic<bool> desbloqueou_{false};
  std::mutex mutex_;
  std::condition_variable acorda_;
  bool fim_ = false;
  std::thread guarda_;
};
