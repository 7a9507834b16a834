#include "ShowRequests.h"
#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Each case gets its own runtime folder, so it never meets a running program;
// the launcher's comes back at the end.
class ShowRequestsTest : public ::testing::Test {
 protected:
  ShowRequestsTest() { qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8()); }
  ~ShowRequestsTest() override { qputenv("XDG_RUNTIME_DIR", antes); }
  const QByteArray antes = qgetenv("XDG_RUNTIME_DIR");
  QTemporaryDir dir;
};

// A socket file as a copy of the program that died leaves it: bound, with
// nobody listening.
bool deixaSocketMorto(const QString& caminho) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un endereco = {};
  endereco.sun_family = AF_UNIX;
  const QByteArray nome = QFile::encodeName(caminho);
  std::copy(nome.begin(), nome.end(), endereco.sun_path);
  const bool ligado = ::bind(fd, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) == 0;
  ::close(fd);
  return ligado && QFile::exists(caminho);
}

TEST_F(ShowRequestsTest, ALaterCopysRequestReachesTheRunningOne) {
  ShowRequests emExecucao;
  ASSERT_TRUE(emExecucao.listen());
  QSignalSpy pedidos(&emExecucao, &ShowRequests::ShowRequested);
  ShowRequests segunda;
  EXPECT_TRUE(segunda.askToShow());
  ASSERT_TRUE(pedidos.wait(10000));
  EXPECT_EQ(pedidos.size(), 1);
}

TEST_F(ShowRequestsTest, TheSocketACopyThatDiedLeftIsTakenOver) {
  ASSERT_TRUE(deixaSocketMorto(runtimeFile(QStringLiteral("minivocabra.socket"))));
  ShowRequests emExecucao;
  ASSERT_TRUE(emExecucao.listen());
  QSignalSpy pedidos(&emExecucao, &ShowRequests::ShowRequested);
  EXPECT_TRUE(ShowRequests().askToShow());
  EXPECT_TRUE(pedidos.wait(10000));
}

// A copy that holds the lock but never listens (one still starting that
// then failed) lets the later copy end once its limit has passed.
TEST_F(ShowRequestsTest, WithNobodyListeningTheRequestFailsAtItsLimit) {
  ASSERT_TRUE(deixaSocketMorto(runtimeFile(QStringLiteral("minivocabra.socket"))));
  EXPECT_FALSE(ShowRequests().askToShow(200ms));
}

// Only the user may ask: the socket is the user's alone.
TEST_F(ShowRequestsTest, OnlyTheUserMayConnect) {
  ShowRequests emExecucao;
  ASSERT_TRUE(emExecucao.listen());
  const QFile::Permissions outros = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                    QFile::WriteOther | QFile::ExeOther;
  EXPECT_EQ(QFile::permissions(runtimeFile(QStringLiteral("minivocabra.socket"))) & outros, QFile::Permissions());
}

// Without a runtime folder the files go to the temporary folder, which all
// users share: each user's carry the user's id, so one user's running copy
// never stops another's start.
TEST(RuntimeFile, WithoutARuntimeFolderEachUserHasHisOwnFiles) {
  const QByteArray antes = qgetenv("XDG_RUNTIME_DIR");
  qunsetenv("XDG_RUNTIME_DIR");
  const QString arquivo = runtimeFile(QStringLiteral("minivocabra.lock"));
  qputenv("XDG_RUNTIME_DIR", antes);
  EXPECT_EQ(QFileInfo(arquivo).dir(), QDir(QDir::tempPath()));
  EXPECT_TRUE(arquivo.endsWith(QStringLiteral("minivocabra.lock-%1").arg(::getuid()))) << qPrintable(arquivo);
}

}  // namespace
