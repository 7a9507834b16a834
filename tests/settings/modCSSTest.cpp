#include "modCSS.h"

#include "Ansi.h"
#include "ArquivoTexto.h"
#include "FailingFileWriter.h"
#include "FakeJanela.h"
#include "FakeScreen.h"
#include "ProgramPaths.h"
#include "Registry.h"
#include "ScriptedDialogs.h"
#include "SmallDisk.h"
#include "TestFolders.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

namespace {

// Every size and model placeholder, one a line, then the title's four.
const QString kModelo = QStringLiteral(
    "Sup=<tamanhoFonteSup>;LinhaSup=<tamanhoLinhaSup>;SupT=<tamanhoFonteSupTitulo>;s=<tamanhofonte>;"
    "T=<tamanhofonteTitulo>;Sim=<tamanhofonteSimbolo>;F=<tamanhofonteFNCT>;M=<tamanhofonteMusical>;"
    "LT=<alturaLinhaTitulo>;L=<alturaLinha>;CG=<alturaLinhaCG>;Reg=<alturaLinhaReg>;"
    "mostra=<mostra>;br=<mostraBR>;"
    "c=<corClasse gramatical/Regência>;b=<estiloClasse gramatical/Regência>;"
    "i=<italicoClasse gramatical/Regência>;u=<underlineClasse gramatical/Regência>;x=<corOutro>");

class ModCSS : public ::testing::Test {
 protected:
  ModCSS() : registry(world.userHive(), world.machineHive(), nullptr), config(registry, dialogs), janela(tela) {
    config.Inicializar(janela);
    world.write(QStringLiteral("program/mod.dat"), ansi::fromUnicode(kModelo));
    world.write(QStringLiteral("program/exemplo.htm"), "<p><estilo/></p><estilo/>");
    world.write(QStringLiteral("program/css/estilo1.css"), "antigo1");
    world.write(QStringLiteral("program/css/estilo2.css"), "antigo2");
    world.write(QStringLiteral("program/css/estilo3.css"), "antigo3");
  }
  QString monta(std::int16_t modo) {
    gerador.InicializaCSS();
    return gerador.MontaCSS(modo);
  }
  QByteArray folha(int n) { return world.read(QStringLiteral("program/css/estilo%1.css").arg(n)); }
  // The file of model `modo` as written: UTF-8, saying so first.
  QByteArray gravada(std::int16_t modo) const { return "@charset \"UTF-8\";\n" + gerador.MontaCSS(modo).toUtf8(); }

  TestFolders world;
  reg::Registry registry;
  ScriptedDialogs dialogs;
  CConfig config;
  FakeScreen tela;
  FakeJanela janela;
  FailingFileWriter gravador;
  modCSS::GeradorCSS gerador{config, dialogs, gravador};
};

struct Tamanhos {
  std::int16_t indice;
  const char* esperado;  // modes 0 and 1; mode 2 has CG and Reg equal to L
  const char* cgModo2;
};
class TamanhoFonte : public ModCSS, public ::testing::WithParamInterface<Tamanhos> {};

TEST_P(TamanhoFonte, GivesTheSizesAndLineHeightsOfTheIndex) {
  config.FonteVerbete = GetParam().indice;
  const QString inicio = monta(0).section(QStringLiteral("mostra="), 0, 0);
  EXPECT_EQ(inicio, QString::fromLatin1(GetParam().esperado));
  EXPECT_EQ(monta(1).section(QStringLiteral("mostra="), 0, 0), inicio);
  EXPECT_TRUE(monta(2).contains(QString::fromLatin1(GetParam().cgModo2)));
}

INSTANTIATE_TEST_SUITE_P(
    , TamanhoFonte,
    ::testing::Values(Tamanhos{0,
                               "Sup=8px;LinhaSup=8px;SupT=10px;s=10px;T=16px;Sim=11px;F=12px;M=14px;LT=22px;L=13px;"
                               "CG=16px;Reg=16px;",
                               "L=13px;CG=13px;Reg=13px;"},
                      Tamanhos{1,
                               "Sup=11px;LinhaSup=11px;SupT=12px;s=11px;T=18px;Sim=12px;F=13px;M=16px;LT=30px;"
                               "L=18px;CG=22px;Reg=22px;",
                               "L=18px;CG=18px;Reg=18px;"},
                      Tamanhos{2,
                               "Sup=12px;LinhaSup=12px;SupT=14px;s=12px;T=19px;Sim=13px;F=14px;M=17px;LT=29px;"
                               "L=18px;CG=22px;Reg=22px;",
                               "L=18px;CG=18px;Reg=18px;"}));

TEST_F(ModCSS, SizeIndexOutsideTheTableIsRefusedAndWritesNoSheet) {
  config.FonteVerbete = 4;
  gerador.InicializaCSS();
  EXPECT_THROW(gerador.MontaCSS(0), std::out_of_range);
  EXPECT_FALSE(gerador.GeraArquivosCSS());
  EXPECT_EQ(folha(1), "antigo1");
  EXPECT_EQ(folha(3), "antigo3");
}

struct Estilo {
  std::int16_t tipo;
  const char* esperado;
};
class EstiloElemento : public ModCSS, public ::testing::WithParamInterface<Estilo> {};

TEST_P(EstiloElemento, GivesBoldItalicAndUnderline) {
  config.ElementosVerbete[1].Cor = QStringLiteral("0A00FF");
  config.ElementosVerbete[1].TipoFonte = GetParam().tipo;
  EXPECT_TRUE(monta(0).endsWith(QString::fromLatin1(GetParam().esperado) + QStringLiteral("x=<corOutro>")));
}

INSTANTIATE_TEST_SUITE_P(, EstiloElemento,
                         ::testing::Values(Estilo{0, "c=0A00FF;b=Normal;i=Normal;u=None;"},
                                           Estilo{1, "c=0A00FF;b=Normal;i=Italic;u=None;"},
                                           Estilo{2, "c=0A00FF;b=Bold;i=Normal;u=None;"},
                                           Estilo{3, "c=0A00FF;b=Bold;i=Italic;u=None;"},
                                           Estilo{4, "c=0A00FF;b=Normal;i=Normal;u=Underline;"}));

TEST_F(ModCSS, DisplayModelsHideTheEtymologyOrTheLineBreaks) {
  EXPECT_TRUE(monta(0).contains(QStringLiteral("mostra=;br=;")));
  EXPECT_TRUE(monta(1).contains(QStringLiteral("mostra=None;br=;")));
  EXPECT_TRUE(monta(2).contains(QStringLiteral("mostra=;br=None;")));
  EXPECT_TRUE(monta(5).contains(QStringLiteral("mostra=<mostra>;br=<mostraBR>;")));
}

TEST_F(ModCSS, PreviewTakesTheSheetOfModelZeroAtEveryMark) {
  gerador.InicializaCSS();
  const QString css = gerador.MontaCSS(0);
  EXPECT_EQ(gerador.MontaExemploVerbete(), QStringLiteral("<p>") + css + QStringLiteral("</p>") + css);
}

TEST_F(ModCSS, MissingTemplateIsReported) {
  QFile::remove(world.programDir() + QStringLiteral("/mod.dat"));
  EXPECT_THROW(gerador.InicializaCSS(), modCSS::ErroArquivo);
}

TEST_F(ModCSS, WritesTheThreeSheetsAsUtf8SayingSo) {
  config.ElementosVerbete[1].Cor = QStringLiteral("123456");
  gerador.InicializaCSS();
  ASSERT_TRUE(gerador.GeraArquivosCSS());
  for (std::int16_t modo = 0; modo < 3; ++modo) {
    EXPECT_EQ(folha(modo + 1), gravada(modo));
  }
  EXPECT_TRUE(folha(1).contains("x=<cor\x4futro>"));
  EXPECT_TRUE(dialogs.calls().empty());
}

// What the user chose reaches the sheet whatever its script, and a template
// or sheet of an older version, in Windows-1252, still reads as written.
TEST_F(ModCSS, EveryCharacterReachesTheSheetAndOlderFilesStillRead) {
  const QString escolhido = QStringLiteral("— € 日本 Привет 😀");
  world.write(QStringLiteral("program/mod.dat"), (QStringLiteral("font-family: \"") + escolhido + u'"').toUtf8());
  gerador.InicializaCSS();
  ASSERT_TRUE(gerador.GeraArquivosCSS());
  EXPECT_EQ(folha(1), QByteArray("@charset \"UTF-8\";\nfont-family: \"") + escolhido.toUtf8() + '"');
  EXPECT_EQ(modCSS::LeArquivoTexto(world.programDir() + QStringLiteral("/css/estilo1.css")),
            QStringLiteral("@charset \"UTF-8\";\nfont-family: \"") + escolhido + u'"');

  world.write(QStringLiteral("program/mod.dat"), "c=<corClasse gramatical/Reg\xeancia>; /* a\xe7\xe3o \x80 */");
  gerador.InicializaCSS();
  EXPECT_EQ(gerador.MontaCSS(0), QStringLiteral("c=FF0000; /* ação € */"));
}

// The user's own css folder, where the sheets go when the program
// folder's cannot be written.
QString pastaDoUsuario(const TestFolders& world) { return world.dataHome() + QStringLiteral("/minivocabra/css"); }

TEST_F(ModCSS, NoWritableFolderShowsMessage371NamingTheUsersFolderAndFails) {
  gerador.InicializaCSS();
  world.blockStyleSheets();
  EXPECT_FALSE(gerador.GeraArquivosCSS());
  ASSERT_EQ(dialogs.calls().size(), 1u);
  EXPECT_TRUE(dialogs.calls()[0].prompt.startsWith(QStringLiteral("Não é possível alterar")));
  EXPECT_TRUE(dialogs.calls()[0].prompt.contains(pastaDoUsuario(world) + QStringLiteral(".")));
  EXPECT_EQ(dialogs.calls()[0].style, dlg::vbCritical);
}

TEST_F(ModCSS, ASheetThatCannotBeWrittenShowsMessage371AndKeepsItsOldContent) {
  gerador.InicializaCSS();
  gravador.failWritesTo(QStringLiteral("estilo2.css"));
  EXPECT_FALSE(gerador.GeraArquivosCSS());
  EXPECT_EQ(dialogs.calls().size(), 1u);
  EXPECT_EQ(folha(1), gravada(0));  // written before the failure
  EXPECT_EQ(folha(2), "antigo2");
  EXPECT_EQ(folha(3), "antigo3");
}

// The sheets are small: on a full disk the failure shows only when the data
// reaches the disk, and the sheets must not be replaced by empty ones.
TEST_F(ModCSS, OnAFullDiskTheSheetsKeepTheirOldContent) {
  const SmallDisk disco(64);
  if (!disco.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
  qputenv(paths::kProgramDirVariable, disco.path().toUtf8());
  const QByteArray modelo = ansi::fromUnicode(kModelo) + QByteArray(6000, ' ');
  ASSERT_TRUE(files::disk().write(disco.path() + QStringLiteral("/mod.dat"), modelo));
  ASSERT_TRUE(files::disk().write(disco.path() + QStringLiteral("/exemplo.htm"), "<estilo/>"));
  QDir().mkpath(disco.path() + QStringLiteral("/css"));
  for (int n = 1; n <= 3; ++n)
    ASSERT_TRUE(files::disk().write(disco.path() + QStringLiteral("/css/estilo%1.css").arg(n), "antigo"));
  gerador.InicializaCSS();
  disco.fillLeaving(4096);
  EXPECT_FALSE(gerador.GeraArquivosCSS());
  EXPECT_EQ(dialogs.calls().size(), 1u);
  for (int n = 1; n <= 3; ++n) {
    QFile folhaNoDisco(disco.path() + QStringLiteral("/css/estilo%1.css").arg(n));
    ASSERT_TRUE(folhaNoDisco.open(QIODevice::ReadOnly));
    EXPECT_EQ(folhaNoDisco.readAll(), "antigo") << n;
  }
  qputenv(paths::kProgramDirVariable, world.programDir().toUtf8());
}

TEST_F(ModCSS, AnUnwritableProgramFolderSendsTheSheetsToTheUsersFolder) {
  config.ElementosVerbete[1].Cor = QStringLiteral("ABCDEF");
  gerador.InicializaCSS();
  world.replaceWithFile(QStringLiteral("program/css"));
  EXPECT_TRUE(modCSS::VerificaGravacaoCSS(dialogs, true));
  ASSERT_TRUE(gerador.GeraArquivosCSS());
  for (std::int16_t modo = 0; modo < 3; ++modo) {
    QFile escrita(pastaDoUsuario(world) + QStringLiteral("/estilo%1.css").arg(modo + 1));
    ASSERT_TRUE(escrita.open(QIODevice::ReadOnly)) << modo;
    EXPECT_EQ(escrita.readAll(), gravada(modo));
  }
  EXPECT_TRUE(dialogs.calls().empty());
}

// An empty sheet made by the check would go ahead of the installed one.
TEST_F(ModCSS, WriteCheckLeavesNoSheetBehindAndTheSheetsAsTheyWere) {
  QFile::remove(world.programDir() + QStringLiteral("/css/estilo1.css"));
  EXPECT_TRUE(modCSS::VerificaGravacaoCSS(dialogs, true));
  EXPECT_FALSE(QFile::exists(world.programDir() + QStringLiteral("/css/estilo1.css")));
  EXPECT_TRUE(modCSS::VerificaGravacaoCSS(dialogs, true));
  EXPECT_EQ(folha(2), "antigo2");
  world.replaceWithFile(QStringLiteral("program/css"));
  EXPECT_TRUE(modCSS::VerificaGravacaoCSS(dialogs, true));
  EXPECT_TRUE(QDir(pastaDoUsuario(world)).isEmpty());
  EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(ModCSS, WriteCheckOnAnUnwritableFolderFailsQuietlyUnlessAsked) {
  world.blockStyleSheets();
  EXPECT_FALSE(modCSS::VerificaGravacaoCSS(dialogs, false));
  EXPECT_TRUE(dialogs.calls().empty());
  EXPECT_FALSE(modCSS::VerificaGravacaoCSS(dialogs, true));
  ASSERT_EQ(dialogs.calls().size(), 1u);
  EXPECT_TRUE(dialogs.calls()[0].prompt.contains(pastaDoUsuario(world) + QStringLiteral("/.")));
}

// The sheets the program folder ships with are the template's with the
// built-in appearance, so a first run looks as after "restore defaults".
TEST(ModCSSPrograma, ShippedSheetsAreTheTemplatesDefaults) {
  TestFolders world(true);
  reg::Registry registry(world.userHive(), world.machineHive(), nullptr);
  ScriptedDialogs dialogs;
  CConfig config(registry, dialogs);
  FakeScreen tela;
  FakeJanela janela(tela);
  config.Inicializar(janela);
  modCSS::GeradorCSS gerador(config, dialogs);
  gerador.InicializaCSS();
  std::array<QByteArray, 3> enviadas;
  for (std::size_t i = 0; i < enviadas.size(); ++i)
    enviadas[i] = world.read(QStringLiteral("program/css/estilo%1.css").arg(i + 1));
  ASSERT_TRUE(gerador.GeraArquivosCSS());
  for (std::size_t i = 0; i < enviadas.size(); ++i) {
    EXPECT_EQ(enviadas[i], world.read(QStringLiteral("program/css/estilo%1.css").arg(i + 1))) << "estilo" << i + 1;
    EXPECT_FALSE(enviadas[i].contains('<')) << "a placeholder left in estilo" << i + 1;
  }
}

}  // namespace
