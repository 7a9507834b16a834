#include "AdvisoryLock.h"
#include "FileWriter.h"
#include "RegularFile.h"

#include "DesbloqueiaFifo.h"
#include "TestFolders.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace std::chrono_literals;

namespace {

// A shared folder "pasta" with what others may leave in it, and a file of
// the user's outside it.
class ArquivosCompartilhados : public ::testing::Test {
 protected:
  ArquivosCompartilhados() {
    QDir().mkpath(pasta());
    put(fora(), "perfil do usuário");
    put(em("comum"), "comum");
    QFile::link(em("comum"), em("link-dentro"));
    QFile::link(fora(), em("link-fora"));
    QFile::link(em("sumiu"), em("link-quebrado"));
    QDir().mkpath(em("subpasta"));
  }

  QString pasta() const { return world.root() + QStringLiteral("/pasta"); }
  QString em(const char* nome) const { return pasta() + u'/' + QLatin1String(nome); }
  QString fora() const { return world.root() + QStringLiteral("/.profile"); }
  static void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }
  static QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
  }

  TestFolders world;
};

TEST_F(ArquivosCompartilhados, ANameLeadsToARegularFileNothingOrSomethingRefused) {
  const DesbloqueiaFifo fifo(em("fifo"));
  ASSERT_TRUE(fifo.criada());
  struct Caso {
    const char* nome;
    files::Kind dentro;  // kept inside the folder
    files::Kind solto;   // anywhere
  };
  const Caso casos[] = {
      {"comum", files::Kind::Regular, files::Kind::Regular},
      {"link-dentro", files::Kind::Regular, files::Kind::Regular},
      {"link-fora", files::Kind::Refused, files::Kind::Regular},
      {"link-quebrado", files::Kind::Missing, files::Kind::Missing},
      {"ausente", files::Kind::Missing, files::Kind::Missing},
      {"fifo", files::Kind::Refused, files::Kind::Refused},
      {"subpasta", files::Kind::Refused, files::Kind::Refused},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(files::resolve(em(c.nome), pasta()).kind, c.dentro) << c.nome;
    EXPECT_EQ(files::resolve(em(c.nome)).kind, c.solto) << c.nome;
  }
  EXPECT_EQ(files::resolve(em("link-dentro"), pasta()).path, QFileInfo(em("comum")).canonicalFilePath());
  EXPECT_EQ(files::resolve(em("link-quebrado"), pasta()).path, em("link-quebrado"));
}

TEST_F(ArquivosCompartilhados, OnlyARegularFileIsReadAndAPipeIsNeverWaitedOn) {
  const DesbloqueiaFifo fifo(em("fifo"));
  ASSERT_TRUE(fifo.criada());
  EXPECT_EQ(files::readRegular(em("fifo")).status, files::ReadStatus::NotRegular);
  EXPECT_EQ(files::readRegular(em("subpasta")).status, files::ReadStatus::NotRegular);
  EXPECT_EQ(files::readRegular(em("ausente")).status, files::ReadStatus::Missing);
  const files::ReadResult lido = files::readRegular(em("link-dentro"), 3);
  EXPECT_EQ(lido.status, files::ReadStatus::Read);
  EXPECT_EQ(lido.bytes, QByteArray("com"));
  EXPECT_FALSE(fifo.precisouDesbloquear());
}

// A write never goes through a link to what is not a regular file, nor,
// inside a folder others fill, through a link out of it; a link that leads
// nowhere is replaced itself.
TEST_F(ArquivosCompartilhados, AWriteFollowsALinkOnlyToARegularFileWhereItMayGo) {
  const DesbloqueiaFifo fifo(em("fifo"));
  ASSERT_TRUE(fifo.criada());
  ASSERT_TRUE(QFile::link(em("fifo"), em("link-fifo")));

  EXPECT_FALSE(files::disk().writeInside(pasta(), em("link-fora"), "dados"));
  EXPECT_EQ(readAll(fora()), QByteArray("perfil do usuário"));
  EXPECT_TRUE(QFileInfo(em("link-fora")).isSymLink());

  for (const char* nome : {"fifo", "link-fifo", "subpasta"}) {
    EXPECT_FALSE(files::disk().write(em(nome), QByteArray("dados"))) << nome;
    EXPECT_FALSE(files::disk().writeInside(pasta(), em(nome), "dados")) << nome;
  }
  struct stat info {};
  ASSERT_EQ(::lstat(QFile::encodeName(em("fifo")).constData(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));

  EXPECT_TRUE(files::disk().writeInside(pasta(), em("link-dentro"), "nova"));
  EXPECT_EQ(readAll(em("comum")), QByteArray("nova"));
  EXPECT_TRUE(files::disk().writeInside(pasta(), em("link-quebrado"), "nova"));
  EXPECT_FALSE(QFileInfo(em("link-quebrado")).isSymLink());
  EXPECT_FALSE(QFile::exists(em("sumiu")));
  EXPECT_TRUE(files::disk().write(em("link-fora"), QByteArray("fora, pedido assim")));  // no folder to keep to
  EXPECT_EQ(readAll(fora()), QByteArray("fora, pedido assim"));
  EXPECT_FALSE(fifo.precisouDesbloquear());
}

TEST_F(ArquivosCompartilhados, TheLockIsHeldByOneAtATimeAndALeftoverLockFileHoldsNothing) {
  const QString arquivo = em(".trava");
  {
    const files::AdvisoryLock primeira(arquivo, 1s);
    ASSERT_TRUE(primeira.held());
    const files::AdvisoryLock segunda(arquivo, 50ms);  // another open file: another holder
    EXPECT_EQ(segunda.status(), files::AdvisoryLock::Status::Busy);
  }
  EXPECT_TRUE(QFile::exists(arquivo));
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(arquivo).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0666u) << "others sharing the folder must lock it too";
  const files::AdvisoryLock depois(arquivo, 1s);
  EXPECT_TRUE(depois.held());
}

TEST_F(ArquivosCompartilhados, ALockFileThatIsNotARegularFileIsRefusedWithoutWaiting) {
  const DesbloqueiaFifo fifo(em("fifo"));
  ASSERT_TRUE(fifo.criada());
  for (const char* nome : {"fifo", "link-dentro", "link-fora", "subpasta"}) {
    const files::AdvisoryLock trava(em(nome), 1s);
    EXPECT_EQ(trava.status(), files::AdvisoryLock::Status::Refused) << nome;
  }
  EXPECT_EQ(readAll(fora()), QByteArray("perfil do usuário"));
  const files::AdvisoryLock semPasta(world.root() + QStringLiteral("/nao/existe/.trava"), 1s);
  EXPECT_EQ(semPasta.status(), files::AdvisoryLock::Status::Failed);
  EXPECT_FALSE(fifo.precisouDesbloquear());
}

}  // namespace
