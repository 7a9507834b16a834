// The builder as a command: exit status and message.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Saida {
  int status;
  QString erro;
};

Saida executa(const QStringList& argumentos) {
  QProcess processo;
  processo.start(QStringLiteral(MINIVOCABRA_BUILDER), argumentos);
  EXPECT_TRUE(processo.waitForFinished(30000));
  return {processo.exitCode(), QString::fromLocal8Bit(processo.readAllStandardError())};
}

void escreve(const QString& caminho, const QByteArray& texto) {
  QFile arquivo(caminho);
  ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
  arquivo.write(texto);
}

TEST(MinivocabraBuilder, AMalformedRecordStopsItWithFileLineAndReason) {
  QTemporaryDir pasta;
  const QString fonte = pasta.path() + QStringLiteral("/ruim.txt");
  ASSERT_NO_FATAL_FAILURE(escreve(fonte, "dicionario: x\n\nverbete: sol\ndef: Astro.\nconj: ar = o\n"));
  const Saida saida = executa({fonte, pasta.path() + QStringLiteral("/dados")});
  EXPECT_EQ(saida.status, 1);
  EXPECT_EQ(saida.erro, QStringLiteral("minivocabra-builder: %1:5: the ending 'ar' does not occur in 'sol'\n").arg(fonte));
  EXPECT_FALSE(QFile::exists(pasta.path() + QStringLiteral("/dados")));
}

TEST(MinivocabraBuilder, SeveralSourcesMakeOneFolder) {
  QTemporaryDir pasta;
  ASSERT_NO_FATAL_FAILURE(escreve(pasta.path() + QStringLiteral("/a.txt"), "dicionario: x\n"));
  ASSERT_NO_FATAL_FAILURE(escreve(pasta.path() + QStringLiteral("/b.txt"), "verbete: sol\ndef: Astro.\n"));
  const Saida saida = executa({pasta.path() + QStringLiteral("/a.txt"), pasta.path() + QStringLiteral("/b.txt"),
                               pasta.path() + QStringLiteral("/dados")});
  EXPECT_EQ(saida.status, 0) << saida.erro.toStdString();
  EXPECT_TRUE(QFile::exists(pasta.path() + QStringLiteral("/dados/minivocabra.db")));
  EXPECT_TRUE(QFile::exists(pasta.path() + QStringLiteral("/dados/dic030.dat")));
  EXPECT_EQ(executa({}).status, 2);
}

}  // namespace
