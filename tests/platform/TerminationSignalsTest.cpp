#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class TerminationSignalsTest : public ::testing::TestWithParam<int> {};

// The signal reaches the event loop as an event, and the process lives on.
TEST_P(TerminationSignalsTest, ArrivesOnTheEventLoopInsteadOfEndingTheProcess) {
  TerminationSignals sinais;
  ASSERT_TRUE(sinais.active());
  QSignalSpy recebidos(&sinais, &TerminationSignals::Received);
  ASSERT_EQ(::raise(GetParam()), 0);
  ASSERT_TRUE(recebidos.wait(10000));
  ASSERT_EQ(recebidos.size(), 1);
  EXPECT_EQ(recebidos.front().front().toInt(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(, TerminationSignalsTest, ::testing::ValuesIn(TerminationSignals::kSignals));

// An orderly end that hangs does not keep the process alive: the second
// signal ends it at once.
TEST(TerminationSignalsDeathTest, ASecondSignalEndsTheProcessAtOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        TerminationSignals sinais;
        QSignalSpy recebidos(&sinais, &TerminationSignals::Received);
        ::raise(SIGTERM);
        if (recebidos.wait(10000)) std::fputs("caught once\n", stderr);
        ::raise(SIGTERM);
        std::exit(0);
      },
      ::testing::KilledBySignal(SIGTERM), "caught once");
}

// The handlers that were there before come back.
TEST(TerminationSignalsLife, TheEndPutsThePreviousHandlersBack) {
  struct sigaction ignorar = {};
  ignorar.sa_handler = SIG_IGN;
  struct sigaction antes = {};
  ASSERT_EQ(sigaction(SIGHUP, &ignorar, &antes), 0);
  { const TerminationSignals sinais; }
  struct sigaction depois = {};
  sigaction(SIGHUP, &antes, &depois);
  EXPECT_EQ(depois.sa_handler, SIG_IGN);
}

}  // namespace
