#include "MontaTextoVersao.h"

#include "CConfig.h"
#include "MockMiniVocabraDB.h"
#include "Registry.h"
#include "ScriptedDialogs.h"
#include "TestFolders.h"
#include "ValoresRegistro.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using ::testing::NiceMock;
using ::testing::Return;

// A component whose information string is `info`, or whose call fails.
std::unique_ptr<NiceMock<MockMiniVocabraDB>> componente(const QString& info, bool falha = false) {
  auto db = std::make_unique<NiceMock<MockMiniVocabraDB>>();
  if (falha) {
    ON_CALL(*db, ObtemInfoDados()).WillByDefault(::testing::Throw(std::runtime_error("component gone")));
  } else {
    ON_CALL(*db, ObtemInfoDados()).WillByDefault(Return(info));
  }
  return db;
}

// A header: 16 bytes not read, then the version and code padded to 15.
QByteArray cabecalho(const QByteArray& versao, const QByteArray& codigo) {
  return QByteArray(16, '\x01') + versao.leftJustified(15, ' ') + codigo.leftJustified(15, ' ');
}

class TextoVersao : public ::testing::Test {
 protected:
  TextoVersao() : registro(mundo.userHive(), mundo.machineHive(), nullptr), config(registro, dialogos) {}

  void instaladoEm(const QString& pasta) {
    valores::gravaTexto(registro, reg::HKEY_LOCAL_MACHINE, valores::kChaveConfiguracoes, "DirInstalado",
                        pasta.toUtf8());
  }

  TestFolders mundo;
  reg::Registry registro;
  ScriptedDialogs dialogos;
  CConfig config;
};

TEST_F(TextoVersao, ShowsTheProgramVersionTheDataAndItsHeaderTexts) {
  mundo.write(QStringLiteral("dados/dic030.dat"), cabecalho("  2.0", "7"));
  instaladoEm(mundo.root() + QStringLiteral("/dados"));
  EXPECT_EQ(modMain::MontaTextoVersao(config, *componente(QStringLiteral("Vocabra 2024|Corvanta"))),
            QStringLiteral("<font face='Arial' size=1>Interface 1.0.5<BR>Dados Vocabra 2024 (v2.0/c7)<BR></font>"));
}

TEST_F(TextoVersao, WithoutDirInstaladoTheHeaderComesFromTheProgramFolder) {
  mundo.write(QStringLiteral("program/dic030.dat"), cabecalho("3.1", "12"));
  // An information string without "|" is field 0 whole.
  EXPECT_EQ(modMain::MontaTextoVersao(config, *componente(QStringLiteral("X"))),
            QStringLiteral("<font face='Arial' size=1>Interface 1.0.5<BR>Dados X (v3.1/c12)<BR></font>"));
}

TEST_F(TextoVersao, AHeaderThatCannotBeReadWholeLeavesOutTheDataVersion) {
  const QString semVersao = QStringLiteral("<font face='Arial' size=1>Interface 1.0.5<BR>Dados X<BR></font>");
  const auto db = componente(QStringLiteral("X|Y"));
  instaladoEm(mundo.root() + QStringLiteral("/nao-existe"));
  EXPECT_EQ(modMain::MontaTextoVersao(config, *db), semVersao);

  QDir().mkpath(mundo.root() + QStringLiteral("/vazia"));
  instaladoEm(mundo.root() + QStringLiteral("/vazia"));
  EXPECT_EQ(modMain::MontaTextoVersao(config, *db), semVersao);
  EXPECT_FALSE(QFile::exists(mundo.root() + QStringLiteral("/vazia/dic030.dat")));

  mundo.write(QStringLiteral("curta/dic030.dat"), cabecalho("2.0", "7").left(40));
  instaladoEm(mundo.root() + QStringLiteral("/curta"));
  EXPECT_EQ(modMain::MontaTextoVersao(config, *db), semVersao);
}

// The header is text read from a file, and shows as written.
TEST_F(TextoVersao, TheHeaderTextsAreEscaped) {
  mundo.write(QStringLiteral("program/dic030.dat"), cabecalho("<b>2&3", "a\"b"));
  EXPECT_EQ(modMain::MontaTextoVersao(config, *componente(QStringLiteral("X"))),
            QStringLiteral("<font face='Arial' size=1>Interface 1.0.5<BR>Dados X (v&lt;b&gt;2&amp;3/ca&quot;b)<BR></font>"));
}

TEST_F(TextoVersao, AFailingComponentLeavesTheDataNameEmpty) {
  mundo.write(QStringLiteral("program/dic030.dat"), cabecalho("2.0", "7"));
  EXPECT_EQ(modMain::MontaTextoVersao(config, *componente(QString(), true)),
            QStringLiteral("<font face='Arial' size=1>Interface 1.0.5<BR>Dados  (v2.0/c7)<BR></font>"));
}

}  // namespace
