#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <memory>

// SIGTERM (a logout, a shutdown), SIGHUP (the terminal went away) and SIGINT
// (Ctrl+C) turned into an event of the event loop, so that the program can
// end in order instead of at once. The handler only writes the signal's
// number into a pipe; a notifier on the pipe's other end reports it. A
// signal caught once has its default action again: a second one ends the
// program at once, should the orderly end hang.
//
// One object at a time. Chromium sets these signals back to their defaults
// when the page engine starts: make it once the engine runs.
class TerminationSignals final : public QObject {
  Q_OBJECT

 public:
  static constexpr std::array<int, 3> kSignals = {SIGTERM, SIGHUP, SIGINT};

  // Installs the handlers; the previous ones are kept.
  explicit TerminationSignals(QObject* parent = nullptr);
  // Puts the previous handlers back.
  ~TerminationSignals() override;
  Q_DISABLE_COPY_MOVE(TerminationSignals)

  // Whether the handlers are in place (false when the pipe could not be made).
  bool active() const { return notifier_ != nullptr; }

 signals:
  // One of kSignals arrived.
  void Received(int signalNumber);

 private:
  void readPipe();

  std::array<int, 2> pipe_ = {-1, -1};
  std::array<struct sigaction, kSignals.size()> previous_ = {};
  std::unique_ptr<QSocketNotifier> notifier_;
};
