#include "TerminationSignals.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The pipe's writing end, for the handler: all it may touch.
volatile sig_atomic_t gWriteEnd = -1;

void handler(int signalNumber) {
  const int savedErrno = errno;
  const auto byte = static_cast<unsigned char>(signalNumber);
  (void)!::write(gWriteEnd, &byte, 1);  // a full pipe holds a signal unread already
  errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  if (::pipe2(pipe_.data(), O_CLOEXEC | O_NONBLOCK) != 0) return;
  gWriteEnd = pipe_[1];
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
  struct sigaction action = {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &action, &previous_[i]);
}

TerminationSignals::~TerminationSignals() {
  if (!active()) return;
  for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &previous_[i], nullptr);
  notifier_.reset();
  gWriteEnd = -1;
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

// Each signal is caught once, so the pipe holds a few bytes at most. They
// are all read before any is reported: what a report runs may wait in an
// event loop of its own, where this notifier would fire again.
void TerminationSignals::readPipe() {
  std::array<unsigned char, 16> bytes = {};
  const ssize_t count = ::read(pipe_[0], bytes.data(), bytes.size());
  for (ssize_t i = 0; i < count; ++i) emit Received(bytes[static_cast<std::size_t>(i)]);
}
