#pragma once

#include <QString>

#include <sys/types.h>

// An X server of the test's own (Xvfb, on a free display it picks itself)
// with a window manager (openbox) on it, for the length of one test program.
// DISPLAY names it once it is up.
class ServidorX final {
 public:
  ServidorX() = default;
  ~ServidorX();
  Q_DISABLE_COPY_MOVE(ServidorX)

  // Starts both and waits, within a deadline, until the manager runs. False
  // with `erro` saying why.
  bool inicia(QString& erro);

 private:
  bool tenta(QString& erro);

  pid_t m_xvfb = -1;
  pid_t m_openbox = -1;
};
