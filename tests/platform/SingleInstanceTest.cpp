#include "SingleInstance.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Each case gets its own runtime folder, so it never meets a running program.
class SingleInstanceTest : public ::testing::Test {
 protected:
  SingleInstanceTest() { qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8()); }
  ~SingleInstanceTest() override { qunsetenv("XDG_RUNTIME_DIR"); }
  QTemporaryDir dir;
};

TEST_F(SingleInstanceTest, TheFirstTakesTheLockAndASecondProcessSeesIt) {
  int pronto[2];
  ASSERT_EQ(pipe(pronto), 0);
  const pid_t filho = fork();
  ASSERT_GE(filho, 0);
  if (filho == 0) {
    LockFileInstance primeira;
    const char sinal = primeira.anotherIsRunning() ? 'n' : 'y';
    (void)!write(pronto[1], &sinal, 1);
    pause();  // holds the lock until killed
    _exit(0);
  }
  char sinal = 0;
  ASSERT_EQ(read(pronto[0], &sinal, 1), 1);
  EXPECT_EQ(sinal, 'y');
  LockFileInstance segunda;
  EXPECT_TRUE(segunda.anotherIsRunning());
  EXPECT_TRUE(segunda.anotherIsRunning());  // asked once, answered alike

  kill(filho, SIGKILL);
  waitpid(filho, nullptr, 0);
  LockFileInstance depois;  // the lock of a process that died is taken over
  EXPECT_FALSE(depois.anotherIsRunning());
}

}  // namespace
