#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <chrono>

class QLocalSocket;

// How a copy of the program started while another runs reaches the running
// one: a local socket beside the single-instance lock (runtimeFile). The
// running copy listens; a later copy asks it to show its window, then ends.
class ShowRequests final : public QObject {
  Q_OBJECT

 public:
  // `name` names the socket; tests pass their own.
  explicit ShowRequests(const QString& name = QStringLiteral("minivocabra.socket"), QObject* parent = nullptr);
  Q_DISABLE_COPY_MOVE(ShowRequests)

  // Listens for requests, in place of the socket a copy that died may have
  // left: call only while holding the single-instance lock. Only the user
  // may connect. False when the socket cannot be made (the program then runs
  // without it).
  bool listen();

  // Asks the running copy to show its window. That copy may still be
  // starting and not yet listening: the request is tried again until `limit`
  // has passed. True once the request was handed over.
  bool askToShow(std::chrono::milliseconds limit = std::chrono::seconds(5));

 signals:
  // A later copy asked for the window.
  void ShowRequested();

 private:
  void accept();
  void read(QLocalSocket& socket);

  QString path_;
  QLocalServer server_;
};
