// Building data folders: ordering problems in the source, and a failed
// build leaving the old folder as it was.

#include "CompiladorDados.h"
#include "DLLMiniVocabraDB.h"
#include "DadosDeTeste.h"
#include "FonteDicionario.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using dicionario::CompiladorDados;
using dicionario::Fonte;
using dicionario::LeitorFonte;

const char kCabecalho[] = "dicionario: Teste\nempresa: E\nversao: 3\ncodigo: c\n\n";

// Reads `texto` (which must be well formed) and builds it into `destino`.
bool compila(const QString& texto, const QString& destino, CompiladorDados& compilador) {
  Fonte fonte;
  LeitorFonte leitor;
  EXPECT_TRUE(leitor.leTexto(QStringLiteral("f.txt"), texto, fonte)) << leitor.erro().mensagem().toStdString();
  return compilador.compila(std::move(fonte), destino);
}

TEST(CompiladorDados, SourcesThatCannotBecomeDataAreRefused) {
  const std::tuple<QString, int, const char*> casos[] = {
      {QStringLiteral("verbete: casa\ndef: a\n\nverbete: casa\ndef: b"), 4, "already an entry (line 6)"},
      {QStringLiteral("verbete: canto\nhomografo: 1\ndef: a\n\nverbete: canto\nhomografo: 1\ndef: b"), 5, "already"},
      {QStringLiteral("verbete: cantar\ndef: a\nconj: como xyz"), 3, "no entry 'xyz'"},
      {QStringLiteral("verbete: amar\ndef: a\nconj: ar = o\n\nverbete: vender\ndef: b\nconj: como amar"), 7, "does not occur"},
  };
  for (const auto& [corpo, linha, motivo] : casos) {
    QTemporaryDir pasta;
    CompiladorDados compilador;
    EXPECT_FALSE(compila(QString::fromUtf8(kCabecalho) + corpo, pasta.path() + QStringLiteral("/dados"), compilador));
    EXPECT_EQ(compilador.erro().linha, linha + 5) << corpo.toStdString();
    EXPECT_TRUE(compilador.erro().motivo.contains(QString::fromUtf8(motivo))) << compilador.erro().motivo.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pasta.path() + QStringLiteral("/dados")));
  }
}

TEST(CompiladorDados, ASourceNeedsEntriesAndTheDictionaryRecord) {
  QTemporaryDir pasta;
  CompiladorDados compilador;
  EXPECT_FALSE(compila(QString::fromUtf8(kCabecalho), pasta.path() + QStringLiteral("/d"), compilador));
  EXPECT_EQ(compilador.erro().motivo, QStringLiteral("the source has no entries"));
  EXPECT_FALSE(compila(QStringLiteral("verbete: sol\ndef: Astro."), pasta.path() + QStringLiteral("/d"), compilador));
  EXPECT_EQ(compilador.erro().motivo, QStringLiteral("the source has no 'dicionario' record"));
}

TEST(CompiladorDados, AFailedBuildLeavesTheOldFolderAndNoTemporaryOne) {
  QTemporaryDir pasta;
  const QString destino = pasta.path() + QStringLiteral("/dados");
  ASSERT_NO_FATAL_FAILURE(dadosteste::constroi(QString::fromUtf8(dadosteste::kFonte), destino));
  CompiladorDados compilador;
  EXPECT_FALSE(compila(QString::fromUtf8(kCabecalho) + QStringLiteral("verbete: a\ndef: x\n\nverbete: a\ndef: y"),
                       destino, compilador));
  EXPECT_EQ(QDir(pasta.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("dados")});
  DLLMiniVocabraDB db(destino);
  ASSERT_TRUE(db.AbreDados());
  EXPECT_EQ(db.ObtemPosicaoPalavra(QStringLiteral("zebra")), 11);
}

TEST(CompiladorDados, ARebuildReplacesTheFolderWhole) {
  QTemporaryDir pasta;
  const QString destino = pasta.path() + QStringLiteral("/dados");
  ASSERT_NO_FATAL_FAILURE(dadosteste::constroi(QString::fromUtf8(dadosteste::kFonte), destino));
  QFile sobra(destino + QStringLiteral("/sobra.txt"));
  ASSERT_TRUE(sobra.open(QIODevice::WriteOnly));
  sobra.close();
  ASSERT_NO_FATAL_FAILURE(dadosteste::constroi(QString::fromUtf8(kCabecalho) + QStringLiteral("verbete: sol\ndef: Astro."), destino));
  EXPECT_EQ(QDir(destino).entryList(QDir::Files), (QStringList{QStringLiteral("dic030.dat"), QStringLiteral("minivocabra.db")}));
  EXPECT_EQ(QDir(pasta.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("dados")});
  DLLMiniVocabraDB db(destino);
  ASSERT_TRUE(db.AbreDados());
  EXPECT_EQ(db.ObtemPosicaoPalavra(QStringLiteral("sol")), 0);
  EXPECT_EQ(db.ObtemPosicaoPalavra(QStringLiteral("zebra")), -1);
}

TEST(CompiladorDados, AnUnwritablePlaceIsReported) {
  QTemporaryDir pasta;
  QFile arquivo(pasta.path() + QStringLiteral("/arquivo"));
  ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
  arquivo.close();
  CompiladorDados compilador;
  EXPECT_FALSE(compila(QString::fromUtf8(kCabecalho) + QStringLiteral("verbete: sol\ndef: Astro."),
                       arquivo.fileName() + QStringLiteral("/dados"), compilador));
  EXPECT_FALSE(compilador.erro().motivo.isEmpty());
}

TEST(CompiladorDados, TheHeaderHoldsTheCountsAndTheTwoLabels) {
  QTemporaryDir pasta;
  ASSERT_NO_FATAL_FAILURE(dadosteste::constroi(QString::fromUtf8(dadosteste::kFonte), pasta.path()));
  QFile arquivo(pasta.path() + QStringLiteral("/dic030.dat"));
  ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
  const QByteArray cabecalho = arquivo.readAll();
  ASSERT_EQ(cabecalho.size(), 46);
  EXPECT_EQ(cabecalho.left(16), QByteArray("\1\0\0\0\x0c\0\0\0\3\0\0\0\3\0\0\0", 16));  // format, entries, abbreviations, verbs
  EXPECT_EQ(cabecalho.mid(16), QByteArray("2.0            7              "));
}

}  // namespace
