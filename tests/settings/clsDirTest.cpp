#include "clsDir.h"

#include "FailingFileWriter.h"
#include "ScriptedDialogs.h"
#include "TestFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

class ClsDir : public ::testing::Test {
 protected:
  QString p(const char* relativo) const { return world.root() + u'/' + QString::fromUtf8(relativo); }
  void escreve(const char* relativo, const QByteArray& bytes) { world.write(QString::fromUtf8(relativo), bytes); }
  bool existe(const char* relativo) const { return QFileInfo::exists(p(relativo)); }
  QString ultimaMensagem() const { return dialogs.calls().empty() ? QString() : dialogs.calls().back().prompt; }

  TestFolders world;
  ScriptedDialogs dialogs;
  FailingFileWriter gravador;
  clsDir dir{dialogs, gravador};
};

struct Escolha {
  const char* resposta;
  const char* esperado;
};
class AbrirPasta : public ClsDir, public ::testing::WithParamInterface<Escolha> {};

TEST_P(AbrirPasta, GivesTheChosenFolderWithoutItsFinalSeparator) {
  if (GetParam().resposta != nullptr) dialogs.answerPath(QString::fromUtf8(GetParam().resposta));
  EXPECT_EQ(dir.AbrirPasta(QStringLiteral("Seleciona um diretório")), QString::fromUtf8(GetParam().esperado));
  EXPECT_EQ(dialogs.chooserTitles(), std::vector<QString>{QStringLiteral("Seleciona um diretório")});
}

INSTANTIATE_TEST_SUITE_P(, AbrirPasta,
                         ::testing::Values(Escolha{nullptr, ""}, Escolha{"/", "/"}, Escolha{"/home/ana/", "/home/ana"},
                                           Escolha{"/home/ana/notas", "/home/ana/notas"}));

class NomeValido : public ClsDir, public ::testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(NomeValido, RefusesTheForbiddenCharactersWithAMessage) {
  EXPECT_EQ(dir.NomeValido(QString::fromUtf8(GetParam().first)), GetParam().second);
  EXPECT_EQ(dialogs.calls().size(), GetParam().second ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(, NomeValido,
                         ::testing::Values(std::pair{"", true}, std::pair{"notas de aula.txt", true},
                                           std::pair{"a/b", false}, std::pair{"a\\b", false}, std::pair{"c:", false},
                                           std::pair{"x*", false}, std::pair{"d'água", false},
                                           std::pair{"\"q\"", false}));

TEST_F(ClsDir, ForbiddenCharacterMessageListsThemAll) {
  dir.NomeValido(QStringLiteral("a|b"));
  ASSERT_EQ(dialogs.calls().size(), 1u);
  EXPECT_TRUE(ultimaMensagem().endsWith(QStringLiteral("caracteres:\n\n\\  /  :  *  ?  <  >  |  \"  '")));
  EXPECT_EQ(dialogs.calls()[0].style, dlg::vbCritical);
}

TEST_F(ClsDir, CopyReplacesTheDestinationWholeAndAFailedCopyKeepsIt) {
  escreve("a.txt", "novo");
  escreve("b.txt", "antigo");
  EXPECT_TRUE(dir.CopiarArquivo(p("a.txt"), p("b.txt"), true));
  EXPECT_EQ(world.read(QStringLiteral("b.txt")), "novo");
  EXPECT_TRUE(dir.CopiarArquivo(p("a.txt"), p("c.txt"), true));  // no destination to delete: no message
  EXPECT_TRUE(dialogs.calls().empty());

  EXPECT_FALSE(dir.CopiarArquivo(p("falta.txt"), p("b.txt"), true));
  EXPECT_EQ(world.read(QStringLiteral("b.txt")), "novo");
  EXPECT_EQ(ultimaMensagem(), QStringLiteral("Não foi possível copiar o arquivo ") + p("falta.txt") + u'.');
  EXPECT_EQ(dialogs.calls().back().style, dlg::vbExclamation);
  EXPECT_EQ(dialogs.calls().back().title, QStringLiteral("Copiar arquivo."));
}

TEST_F(ClsDir, ACopyTheDiskRefusesKeepsTheDestinationAndSaysSo) {
  escreve("a.txt", "novo");
  escreve("b.txt", "antigo");
  escreve("origem/c.txt", "c");
  gravador.failWritesTo();
  EXPECT_FALSE(dir.CopiarArquivo(p("a.txt"), p("b.txt"), true));
  EXPECT_EQ(world.read(QStringLiteral("b.txt")), "antigo");
  EXPECT_EQ(ultimaMensagem(), QStringLiteral("Não foi possível copiar o arquivo ") + p("a.txt") + u'.');
  EXPECT_FALSE(dir.CopiarPasta(p("origem"), p("copia"), true));
  EXPECT_FALSE(existe("copia/c.txt"));
}

TEST_F(ClsDir, DeleteRenameAndMoveReportFailures) {
  escreve("a.txt", "a");
  escreve("b.txt", "b");
  EXPECT_FALSE(dir.RenomearArquivo(p("falta.txt"), p("x.txt")));
  EXPECT_TRUE(dialogs.calls().empty());
  EXPECT_FALSE(dir.RenomearArquivo(p("a.txt"), p("b.txt")));
  EXPECT_EQ(dialogs.calls().back().title, QStringLiteral("Renomear arquivo"));
  EXPECT_TRUE(dir.MoverArquivo(p("a.txt"), p("c.txt")));
  EXPECT_FALSE(existe("a.txt"));
  EXPECT_FALSE(dir.MoverArquivo(p("c.txt"), p("b.txt")));
  EXPECT_EQ(world.read(QStringLiteral("b.txt")), "b");
  EXPECT_TRUE(dir.ApagarArquivo(p("c.txt")));
  EXPECT_FALSE(dir.ApagarArquivo(p("c.txt")));
  EXPECT_EQ(ultimaMensagem(), QStringLiteral("Não foi possível apagar o arquivo ") + p("c.txt") + u'.');
}

TEST_F(ClsDir, ExtensionChangeTakesTheFirstDotOfTheFileName) {
  escreve("v1.0/dados.tar.gz", "x");
  escreve("v1.0/leia", "y");
  dir.MudarExtensaoArquivos(p("v1.0"), QStringLiteral("bak"));
  EXPECT_TRUE(existe("v1.0/dados.bak"));
  EXPECT_TRUE(existe("v1.0/leia.bak"));
  EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(ClsDir, DeletingEveryFileLeavesTheFoldersInside) {
  escreve("pasta/a.txt", "a");
  escreve("pasta/.b", "b");
  escreve("pasta/sub/c.txt", "c");
  dir.ApagarTodosArquivos(p("pasta/"));
  EXPECT_EQ(QDir(p("pasta")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("sub")});
  dir.ApagarTodosArquivos(p("falta/"));
  EXPECT_EQ(dialogs.calls().back().title, QStringLiteral("Apagar todos os arquivos"));
}

TEST_F(ClsDir, FoldersAreMadeLevelByLevelCopiedMovedAndDeleted) {
  EXPECT_TRUE(dir.NovasPastas(p("um/dois/tres")));
  EXPECT_FALSE(dir.NovaPasta(p("um")));
  EXPECT_EQ(dialogs.calls().back().title, QStringLiteral("Nova pasta"));
  escreve("um/dois/a.txt", "a");
  EXPECT_TRUE(dir.CopiarPasta(p("um"), p("copia"), false));
  EXPECT_EQ(world.read(QStringLiteral("copia/dois/a.txt")), "a");
  EXPECT_TRUE(existe("copia/dois/tres"));
  EXPECT_FALSE(dir.CopiarPasta(p("um"), p("copia"), false));  // would replace a file
  EXPECT_TRUE(dir.CopiarPasta(p("um"), p("copia"), true));
  EXPECT_TRUE(dir.MoverPasta(p("copia"), p("movida")));
  EXPECT_FALSE(dir.ExistePasta(p("copia")));
  EXPECT_TRUE(dir.RenomearPasta(p("movida"), p("renomeada")));
  EXPECT_TRUE(dir.ApagarPasta(p("renomeada")));
  EXPECT_FALSE(dir.ExistePasta(p("renomeada")));
  EXPECT_FALSE(dir.ApagarPasta(p("renomeada")));
}

TEST_F(ClsDir, ReadOnlyIsSetAndCleared) {
  escreve("a.txt", "a");
  EXPECT_FALSE(dir.ObterSomenteLeitura(p("a.txt")));
  dir.DefinirSomenteLeitura(p("a.txt"), true);
  EXPECT_TRUE(dir.ObterSomenteLeitura(p("a.txt")));
  dir.DefinirSomenteLeitura(p("a.txt"), false);
  EXPECT_FALSE(dir.ObterSomenteLeitura(p("a.txt")));
  EXPECT_TRUE(dialogs.calls().empty());
  EXPECT_FALSE(dir.ObterSomenteLeitura(p("falta.txt")));
  EXPECT_EQ(ultimaMensagem(), QStringLiteral("Arquivo ") + p("falta.txt") + QStringLiteral(" não encontrado."));
}

TEST_F(ClsDir, SizesCompare) {
  escreve("a.txt", "abc");
  escreve("b.txt", "xyz");
  escreve("c.txt", "x");
  EXPECT_EQ(dir.ObterTamanhoArquivo(p("a.txt")), 3.0f);
  EXPECT_TRUE(dir.TamanhoArquivosIguais(p("a.txt"), p("b.txt")));
  EXPECT_FALSE(dir.TamanhoArquivosIguais(p("a.txt"), p("c.txt")));
  EXPECT_FALSE(dir.TamanhoArquivosIguais(p("a.txt"), p("falta.txt")));
  EXPECT_TRUE(dialogs.calls().empty());
}

struct Partes {
  const char* caminho;
  const char* nome;
  const char* extensao;
  const char* pasta;
  const char* nomePasta;
};
class PartesDoCaminho : public ClsDir, public ::testing::WithParamInterface<Partes> {};

TEST_P(PartesDoCaminho, AreCutAtTheSeparators) {
  const QString c = QString::fromUtf8(GetParam().caminho);
  EXPECT_EQ(dir.ObterNomeArquivo(c), QString::fromUtf8(GetParam().nome));
  EXPECT_EQ(dir.ObterExtensaoArquivo(c), QString::fromUtf8(GetParam().extensao));
  EXPECT_EQ(dir.ObterCaminho(c), QString::fromUtf8(GetParam().pasta));
  EXPECT_EQ(dir.ObterNomePasta(c), QString::fromUtf8(GetParam().nomePasta));
  EXPECT_EQ(dir.ExtrairLetraDrive(c), c);
}

INSTANTIATE_TEST_SUITE_P(, PartesDoCaminho,
                         ::testing::Values(Partes{"\\notas\\id000001.txt", "id000001.txt", "txt", "\\notas",
                                                  "id000001.txt"},
                                           Partes{"/home/ana/v1.0/leia", "leia", "", "/home/ana/v1.0", "leia"},
                                           Partes{"/home/ana/notas/", "", "", "/home/ana/notas", "notas"},
                                           Partes{"arquivo.tar.gz", "arquivo.tar.gz", "gz", "", "arquivo.tar.gz"}));

TEST_F(ClsDir, FileOpenDialogAnswersThePathOrNothing) {
  EXPECT_EQ(dir.AbrirArquivo(QStringLiteral("Abrir"), QStringLiteral("Texto|*.txt|")), QString());
  dialogs.answerPath(p("a.txt"));
  EXPECT_EQ(dir.AbrirArquivo(QStringLiteral("Abrir"), QStringLiteral("Texto|*.txt|")), p("a.txt"));
}

TEST_F(ClsDir, DrivesAreTheMountedVolumes) {
  EXPECT_TRUE(dir.ObterLetraDrive(p("a.txt")).isEmpty());
  EXPECT_TRUE(dir.ExisteDrive(p("a.txt")));
  EXPECT_TRUE(dir.ObterDrives().contains(QStringLiteral("/")));
  escreve("a.txt", "a");
  EXPECT_EQ(dir.ObterNomeCurto(p("a.txt")), p("a.txt"));
  EXPECT_EQ(dir.ObterNomeCurto(p("falta.txt")), QString());
}

}  // namespace
