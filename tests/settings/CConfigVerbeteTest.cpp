#include "CConfig.h"

#include "FakeJanela.h"
#include "FakeScreen.h"
#include "Registry.h"
#include "ScriptedDialogs.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const QByteArray kKey = "SOFTWARE\\Corvanta\\MiniVocabra\\";

class CConfigVerbete : public ::testing::Test {
 protected:
  CConfigVerbete() : registry(world.userHive(), world.machineHive(), nullptr), janela(tela) {}

  // A settings object initialised over what the registry holds now.
  CConfig& inicializa() {
    config = std::make_unique<CConfig>(registry, dialogs);
    config->Inicializar(janela);
    return *config;
  }
  void grava(const QString& nome, const QString& valor) {
    CConfig escritor(registry, dialogs);
    ASSERT_TRUE(escritor.GravaReg(nome, valor));
  }
  int valoresGravados() {
    reg::HKEY key = 0;
    int n = 0;
    if (registry.RegOpenKeyExA(reg::HKEY_CURRENT_USER, kKey, 0, reg::KEY_QUERY_VALUE, &key) != reg::ERROR_SUCCESS)
      return 0;
    registry.RegCloseKey(key);
    CConfig leitor(registry, dialogs);
    for (const ElementoVerbete& e : config->ElementosVerbete) {
      for (const QString& nome : {e.Nome + QStringLiteral(" - Cor "), e.Nome + QStringLiteral(" - Tipo Fonte"),
                                  e.Nome + QStringLiteral(" - Cor Padrao"),
                                  e.Nome + QStringLiteral(" - Tipo Fonte Padrão")}) {
        if (leitor.LeRegCU(nome, QStringLiteral("?")) != u"?") ++n;
      }
    }
    for (const char* nome : {"Fonte verbete", "Marca cor fundo", "Marca cor texto"}) {
      if (leitor.LeRegCU(QString::fromLatin1(nome), QStringLiteral("?")) != u"?") ++n;
    }
    return n;
  }

  TestFolders world;
  reg::Registry registry;
  ScriptedDialogs dialogs;
  FakeScreen tela;
  FakeJanela janela;
  std::unique_ptr<CConfig> config;
};

const QString kAchega = QStringLiteral("Achega");

TEST_F(CConfigVerbete, NothingSavedGivesTheBuiltInTable) {
  const CConfig& c = inicializa();
  const char16_t* nomes[] = {u"Achega", u"Classe gramatical/Regência", u"Definição", u"Etimologia", u"Locução",
                             u"Número da definição", u"Rubrica", u"Título", u"Título da locução"};
  const char16_t* cores[] = {u"983400", u"FF0000", u"000000", u"3068FF", u"303498",
                             u"000000", u"008000", u"336699", u"000099"};
  const int tipos[] = {0, 2, 2, 0, 0, 0, 0, 2, 2};
  ASSERT_EQ(c.ElementosVerbete.size(), 9u);
  for (std::size_t i = 0; i < 9; ++i) {
    const ElementoVerbete& e = c.ElementosVerbete[i];
    EXPECT_EQ(e.Nome, QString::fromUtf16(nomes[i]));
    EXPECT_EQ(e.Cor, QString::fromUtf16(cores[i]));
    EXPECT_EQ(e.CorPadrao, e.Cor);
    EXPECT_EQ(e.TipoFonte, tipos[i]);
    EXPECT_EQ(e.TipoFontePadrao, tipos[i]);
  }
  EXPECT_EQ(c.FonteVerbete, 1);
  EXPECT_EQ(c.FonteLista, 0);
  EXPECT_EQ(c.MarcaCorFundo, 65535);
  EXPECT_EQ(c.MarcaCorTexto, 0);
}

TEST_F(CConfigVerbete, StoredDefaultColourServesTheRestore) {
  grava(QStringLiteral("Achega - Cor Padrao"), QStringLiteral("112233"));
  CConfig& c = inicializa();
  EXPECT_EQ(c.ElementosVerbete[0].CorPadrao, QStringLiteral("112233"));
  EXPECT_EQ(c.ElementosVerbete[0].Cor, QStringLiteral("983400"));
  c.RestauraConfiguracoesVerbete();
  EXPECT_EQ(c.ElementosVerbete[0].Cor, QStringLiteral("112233"));
}

TEST_F(CConfigVerbete, ReadingAgainKeepsEditsWhenNothingIsSavedButTheListFontFallsToZero) {
  CConfig& c = inicializa();
  c.ElementosVerbete[7].Cor = QStringLiteral("ABCDEF");
  c.ElementosVerbete[7].TipoFonte = 4;
  c.FonteVerbete = 2;
  c.MarcaCorFundo = 255;
  c.FonteLista = 1;
  c.LerConfiguracoesVerbete();
  c.LerConfiguracoesLista();
  EXPECT_EQ(c.ElementosVerbete[7].Cor, QStringLiteral("ABCDEF"));
  EXPECT_EQ(c.ElementosVerbete[7].TipoFonte, 4);
  EXPECT_EQ(c.FonteVerbete, 2);
  EXPECT_EQ(c.MarcaCorFundo, 255);
  EXPECT_EQ(c.FonteLista, 0);
}

TEST_F(CConfigVerbete, SavingWritesEighteenElementValuesAndThreeOthersThatReadBack) {
  CConfig& c = inicializa();
  c.ElementosVerbete[1].Cor = QStringLiteral("0A00FF");
  c.ElementosVerbete[1].TipoFonte = 3;
  c.FonteVerbete = 0;
  c.MarcaCorFundo = 16711680;
  c.MarcaCorTexto = 255;
  c.GravarConfiguracoesVerbete();
  EXPECT_EQ(valoresGravados(), 21);
  EXPECT_EQ(c.LeReg(QStringLiteral("Classe gramatical/Regência - Tipo Fonte"), {}), QStringLiteral("3"));
  EXPECT_EQ(c.LeReg(QStringLiteral("Marca cor fundo"), {}), QStringLiteral("16711680"));

  const CConfig& outra = inicializa();
  EXPECT_EQ(outra.ElementosVerbete[1].Cor, QStringLiteral("0A00FF"));
  EXPECT_EQ(outra.ElementosVerbete[1].TipoFonte, 3);
  EXPECT_EQ(outra.ElementosVerbete[1].TipoFontePadrao, 2);
  EXPECT_EQ(outra.FonteVerbete, 0);
  EXPECT_EQ(outra.MarcaCorFundo, 16711680);
  EXPECT_EQ(outra.MarcaCorTexto, 255);
}

TEST_F(CConfigVerbete, RestoreResetsMemoryOnly) {
  CConfig& c = inicializa();
  c.ElementosVerbete[2].TipoFonte = 1;
  c.FonteVerbete = 2;
  c.MarcaCorTexto = 99;
  c.FonteLista = 1;
  c.RestauraConfiguracoesVerbete();
  c.RestauraConfiguracoesLista();
  EXPECT_EQ(c.ElementosVerbete[2].TipoFonte, 2);
  EXPECT_EQ(c.FonteVerbete, 1);
  EXPECT_EQ(c.MarcaCorTexto, 0);
  EXPECT_EQ(c.FonteLista, 0);
  EXPECT_EQ(valoresGravados(), 0);
}

// Values that cannot be shown or used keep what memory holds.
struct Estranho {
  const char16_t* nome;
  const char16_t* valor;
};
class ValorEstranho : public CConfigVerbete, public ::testing::WithParamInterface<Estranho> {};

TEST_P(ValorEstranho, KeepsTheValueInMemory) {
  grava(QString::fromUtf16(GetParam().nome), QString::fromUtf16(GetParam().valor));
  const CConfig& c = inicializa();
  EXPECT_EQ(c.ElementosVerbete[0].Cor, QStringLiteral("983400"));
  EXPECT_EQ(c.ElementosVerbete[0].TipoFonte, 0);
  EXPECT_EQ(c.FonteVerbete, 1);
  EXPECT_EQ(c.MarcaCorFundo, 65535);
  EXPECT_EQ(c.FonteLista, 0);
}

INSTANTIATE_TEST_SUITE_P(, ValorEstranho,
                         ::testing::Values(Estranho{u"Achega - Cor ", u"azul"}, Estranho{u"Achega - Cor ", u"12345"},
                                           Estranho{u"Achega - Tipo Fonte", u"2x"},
                                           Estranho{u"Achega - Tipo Fonte", u"5"},
                                           Estranho{u"Achega - Tipo Fonte", u"-1"},
                                           Estranho{u"Fonte verbete", u"3"}, Estranho{u"Fonte verbete", u""},
                                           Estranho{u"Marca cor fundo", u"amarelo"},
                                           Estranho{u"Marca cor fundo", u"99999999999"},
                                           Estranho{u"Fonte lista", u"7"}));

TEST_F(CConfigVerbete, ListFontReadsLenientlyAndSaves) {
  grava(QStringLiteral("Fonte lista"), QStringLiteral(" 1 expandida"));
  CConfig& c = inicializa();
  EXPECT_EQ(c.FonteLista, 1);
  c.FonteLista = 0;
  c.GravarConfiguracoesLista();
  EXPECT_EQ(c.LeReg(QStringLiteral("Fonte lista"), {}), QStringLiteral("0"));
}

}  // namespace
