#include "Register.h"

#include "Registry.h"
#include "TestFolders.h"
#include "ValoresRegistro.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace reg;

class RegisterTest : public ::testing::Test {
 protected:
  // A value of the key of `aplicacao`, or nothing.
  QByteArray valor(const QString& aplicacao, const char* nome, DWORD* tipo = nullptr) {
    return valores::leBytes(registry, HKEY_LOCAL_MACHINE, Register::ChaveAddin(aplicacao), nome, tipo);
  }

  TestFolders world;
  Registry registry{world.userHive(), world.machineHive(), nullptr};
};

TEST_F(RegisterTest, RegisteringCreatesTheKeyWithItsFourValues) {
  EXPECT_FALSE(Register::VerificaAddinInstalado(registry));
  Register::RegistraAddinWord(registry);
  EXPECT_TRUE(Register::VerificaAddinInstalado(registry));
  EXPECT_EQ(Register::ChaveAddin(QStringLiteral("Word")),
            QByteArray("Software\\Microsoft\\Office\\Word\\Addins\\VocabraAddin.Verbete"));
  DWORD tipo = 0;
  EXPECT_EQ(valor(QStringLiteral("Word"), "FriendlyName", &tipo), QByteArray("VocabraAddin.Verbete"));
  EXPECT_EQ(tipo, REG_SZ);
  EXPECT_EQ(valor(QStringLiteral("Word"), "Description"), QByteArray("Addin para consulta de verbetes no Vocabra"));
  EXPECT_EQ(valor(QStringLiteral("Word"), "LoadBehavior", &tipo), QByteArray("\x03\0\0\0", 4));
  EXPECT_EQ(tipo, REG_DWORD);
  EXPECT_EQ(valor(QStringLiteral("Word"), "CommandLineSafe"), QByteArray("\0\0\0\0", 4));

  // The machine's hive keeps it across runs.
  Registry outro(world.userHive(), world.machineHive(), nullptr);
  EXPECT_TRUE(Register::VerificaAddinInstalado(outro));
}

TEST_F(RegisterTest, AnExistingKeyIsLeftAsItIs) {
  HKEY chave = 0;
  ASSERT_EQ(registry.RegCreateKeyA(HKEY_LOCAL_MACHINE, Register::ChaveAddin(QStringLiteral("Word")), &chave),
            ERROR_SUCCESS);
  const char tres[] = "meu";
  registry.RegSetValueExA(chave, "Description", 0, REG_SZ, tres, 3);
  registry.RegCloseKey(chave);
  Register::RegistraAddinWord(registry);
  EXPECT_EQ(valor(QStringLiteral("Word"), "Description"), QByteArray("meu"));
  EXPECT_TRUE(valor(QStringLiteral("Word"), "FriendlyName").isEmpty());
}

TEST_F(RegisterTest, RemovingDeletesTheKeyAndAMissingKeyIsNoError) {
  Register::RemoveAddinWord(registry);
  Register::RegistraAddinWord(registry);
  Register::RemoveAddinWord(registry);
  EXPECT_FALSE(Register::VerificaAddinInstalado(registry));
}

TEST_F(RegisterTest, AnotherApplicationGetsItsOwnKeyAndWordsCheckIgnoresIt) {
  Register::RegistraAddin(registry, QStringLiteral("Excel"));
  EXPECT_EQ(valor(QStringLiteral("Excel"), "FriendlyName"), QByteArray("VocabraAddin.Verbete"));
  EXPECT_FALSE(Register::VerificaAddinInstalado(registry));
  Register::RemoveAddin(registry, QStringLiteral("Excel"));
  EXPECT_TRUE(valor(QStringLiteral("Excel"), "FriendlyName").isEmpty());
}

}  // namespace
