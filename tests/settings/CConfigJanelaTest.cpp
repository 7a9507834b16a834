#include "CConfig.h"

#include "FakeJanela.h"
#include "FakeScreen.h"
#include "Registry.h"
#include "ScriptedDialogs.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

namespace {

class CConfigJanela : public ::testing::Test {
 protected:
  CConfigJanela() : registry(world.userHive(), world.machineHive(), nullptr), config(registry, dialogs), janela(tela) {
    tela.work = QRect(0, 0, 1280, 1000);  // a bottom panel, its top at pixel 1000
    config.Inicializar(janela);
  }
  QString le(const char* nome) { return config.LeReg(QString::fromLatin1(nome), QStringLiteral("?")); }

  TestFolders world;
  reg::Registry registry;
  ScriptedDialogs dialogs;
  CConfig config;
  FakeScreen tela;
  FakeJanela janela;
};

TEST_F(CConfigJanela, FirstRunOpensMaximisedAndRestoresToTheCreationRectangle) {
  const QRect criacao = janela.retangulo;
  config.CarregaSituacao();
  EXPECT_EQ(config.EstadoJanela, CConfig::Maximizada);
  EXPECT_EQ(janela.retangulo, QRect(0, 0, 19200, 15000));
  EXPECT_FALSE(janela.grip);
  config.RestaurarJanela();
  EXPECT_EQ(janela.retangulo, criacao);
  EXPECT_TRUE(janela.grip);
}

TEST_F(CConfigJanela, RectangleOffTheScreenGivesASmallMaximisedWindow) {
  config.GravaReg(QStringLiteral("JanelaX"), QStringLiteral(" 9200"));
  config.GravaReg(QStringLiteral("JanelaY"), QStringLiteral(" 0"));
  config.GravaReg(QStringLiteral("JanelaW"), QStringLiteral(" 10001"));  // one twip past 19200
  config.GravaReg(QStringLiteral("JanelaH"), QStringLiteral(" 9000"));
  config.GravaReg(QStringLiteral("JanelaMax"), QStringLiteral("0"));
  config.CarregaSituacao();
  EXPECT_EQ(config.EstadoJanela, CConfig::Maximizada);
  config.RestaurarJanela();
  EXPECT_EQ(janela.retangulo, QRect(0, 0, 9600, 7200));
}

TEST_F(CConfigJanela, StoredNormalRectangleIsUsed) {
  config.GravaReg(QStringLiteral("JanelaX"), QStringLiteral(" 300"));
  config.GravaReg(QStringLiteral("JanelaY"), QStringLiteral(" 450.5"));  // lenient, halves to even
  config.GravaReg(QStringLiteral("JanelaW"), QStringLiteral(" 9600"));
  config.GravaReg(QStringLiteral("JanelaH"), QStringLiteral("7200 twips"));
  config.GravaReg(QStringLiteral("JanelaMax"), QStringLiteral("0"));
  config.CarregaSituacao();
  EXPECT_EQ(config.EstadoJanela, CConfig::Normal);
  EXPECT_EQ(janela.retangulo, QRect(300, 450, 9600, 7200));
}

TEST_F(CConfigJanela, MaximisedShutdownStoresTheWorkAreaAndNextStartRestoresToCreation) {
  config.CarregaSituacao();
  config.GravaSituacao();
  EXPECT_EQ(le("JanelaMax"), QStringLiteral("1"));
  EXPECT_EQ(le("JanelaX"), QStringLiteral(" 0"));
  EXPECT_EQ(le("JanelaH"), QStringLiteral(" 15000"));

  FakeJanela proxima(tela);
  const QRect criacao = proxima.retangulo;
  CConfig outra(registry, dialogs);
  outra.Inicializar(proxima);
  outra.CarregaSituacao();
  EXPECT_EQ(outra.EstadoJanela, CConfig::Maximizada);
  outra.RestaurarJanela();
  EXPECT_EQ(proxima.retangulo, criacao);
}

TEST_F(CConfigJanela, MinimisedShutdownStoresTheLastNormalRectangle) {
  janela.retangulo = QRect(-450, 300, 9600, 7200);
  config.AtualizarPosicao();
  config.MinimizarJanela();
  janela.retangulo = QRect(-32000, -32000, 2400, 400);  // where a minimised window sits
  config.GravaSituacao();
  EXPECT_EQ(le("JanelaMax"), QStringLiteral("0"));
  EXPECT_EQ(le("JanelaX"), QStringLiteral("-450"));
  EXPECT_EQ(le("JanelaW"), QStringLiteral(" 9600"));
}

TEST_F(CConfigJanela, MaximisingTwiceKeepsTheNormalRectangle) {
  const QRect normal = janela.retangulo;
  config.MaximizarJanela();
  config.MaximizarJanela();
  config.AtualizarPosicao();  // ignored while maximised
  EXPECT_EQ(config.RetanguloJanela, normal);
}

// A desktop with a top bar and a left dock: maximised, the window takes what
// both leave.
TEST_F(CConfigJanela, MaximisedOverTheWholeWorkArea) {
  tela.work = QRect();
  config.MaximizarJanela();
  EXPECT_EQ(janela.retangulo, QRect(0, 0, 19200, 15360));
  tela.work = QRect(60, 28, 1220, 996);
  config.MaximizarJanela();
  EXPECT_EQ(janela.retangulo, QRect(900, 420, 1220 * 15, 996 * 15));
}

}  // namespace
