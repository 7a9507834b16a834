#include "ShowRequests.h"

#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

namespace {

// The one request there is, a line of its own.
constexpr char kShow[] = "show\n";
constexpr int kWaitMs = 1000;  // for each step of one connection
constexpr int kRetryMs = 50;   // between tries while the running copy starts

}  // namespace

ShowRequests::ShowRequests(const QString& name, QObject* parent) : QObject(parent), path_(runtimeFile(name)) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, &ShowRequests::accept);
}

bool ShowRequests::listen() {
  QLocalServer::removeServer(path_);
  return server_.listen(path_);
}

void ShowRequests::accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(*socket); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    read(*socket);  // what came with the connection
  }
}

void ShowRequests::read(QLocalSocket& socket) {
  while (socket.canReadLine()) {
    if (socket.readLine() == kShow) emit ShowRequested();
  }
}

bool ShowRequests::askToShow(std::chrono::milliseconds limit) {
  const QDeadlineTimer deadline(limit);
  for (;;) {
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (socket.waitForConnected(kWaitMs)) {
      socket.write(kShow);
      const bool sent = socket.waitForBytesWritten(kWaitMs) || socket.bytesToWrite() == 0;
      socket.disconnectFromServer();
      return sent;
    }
    if (deadline.hasExpired()) return false;
    QThread::msleep(kRetryMs);
  }
}
