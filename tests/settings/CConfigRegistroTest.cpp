#include "CConfig.h"

#include "Registry.h"
#include "ScriptedDialogs.h"
#include "TestFolders.h"
#include "ValoresRegistro.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace reg;

namespace {

const QByteArray kKey = "SOFTWARE\\Corvanta\\MiniVocabra\\";

class CConfigRegistro : public ::testing::Test {
 protected:
  CConfigRegistro() : registry(world.userHive(), world.machineHive(), nullptr), config(registry, dialogs) {}

  void setMachine(const QByteArray& name, const QByteArray& text) {
    ASSERT_TRUE(valores::gravaTexto(registry, HKEY_LOCAL_MACHINE, kKey, name, text));
  }
  QByteArray storedUserBytes(const QByteArray& name) {
    return valores::leBytes(registry, HKEY_CURRENT_USER, kKey, name);
  }

  TestFolders world;
  Registry registry;
  ScriptedDialogs dialogs;
  CConfig config;
};

TEST_F(CConfigRegistro, FirstRunReadsDefaultsAndTheFirstWriteCreatesTheKey) {
  EXPECT_EQ(config.LeReg(QStringLiteral("ModoBusca"), QStringLiteral("0")), QStringLiteral("0"));
  EXPECT_EQ(config.LeRegCU(QStringLiteral("Instalacao"), QStringLiteral("2")), QStringLiteral("2"));
  EXPECT_EQ(config.LeRegLM(QStringLiteral("Instalacao"), QStringLiteral("1")), QStringLiteral("1"));
  HKEY key = 0;
  EXPECT_EQ(registry.RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key), ERROR_FILE_NOT_FOUND);

  EXPECT_TRUE(config.GravaReg(QStringLiteral("ModoBusca"), QStringLiteral("1")));
  EXPECT_EQ(config.LeReg(QStringLiteral("ModoBusca"), QStringLiteral("0")), QStringLiteral("1"));
  Registry reread(world.userHive(), world.machineHive(), nullptr);
  CConfig again(reread, dialogs);
  EXPECT_EQ(again.LeReg(QStringLiteral("ModoBusca"), QStringLiteral("0")), QStringLiteral("1"));
  EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(CConfigRegistro, MachineValueServesOnlyWhenTheUserKeyExists) {
  setMachine("TempoTip", "9");
  EXPECT_EQ(config.LeReg(QStringLiteral("TempoTip"), QStringLiteral("6")), QStringLiteral("6"));
  config.GravaReg(QStringLiteral("Outro"), QStringLiteral("x"));
  EXPECT_EQ(config.LeReg(QStringLiteral("TempoTip"), QStringLiteral("6")), QStringLiteral("9"));
  EXPECT_EQ(config.LeRegCU(QStringLiteral("TempoTip"), QStringLiteral("6")), QStringLiteral("6"));
  EXPECT_EQ(config.LeRegLM(QStringLiteral("TempoTip"), QStringLiteral("6")), QStringLiteral("9"));
}

TEST_F(CConfigRegistro, StoredFormCarriesOneTerminatingNul) {
  config.GravaReg(QStringLiteral("vazio"), QString());
  config.GravaReg(QStringLiteral("abc"), QStringLiteral("abc"));
  EXPECT_EQ(storedUserBytes("vazio"), QByteArray("\0", 1));
  EXPECT_EQ(storedUserBytes("abc"), QByteArray("abc\0", 4));
  EXPECT_EQ(config.LeReg(QStringLiteral("vazio"), QStringLiteral("d")), QString());
  EXPECT_EQ(config.LeReg(QStringLiteral("abc"), QStringLiteral("d")), QStringLiteral("abc"));
}

// Names are ANSI; values are written as UTF-8, so a path in any script comes
// back whole, and values of older (ANSI) settings files still read.
TEST_F(CConfigRegistro, ValuesAreUtf8AndOlderAnsiValuesStillRead) {
  const QString name = QStringLiteral("Título - Tipo Fonte Padrão");
  config.GravaReg(name, QStringLiteral("ação"));
  EXPECT_EQ(storedUserBytes("T\xEDtulo - Tipo Fonte Padr\xE3o"), QByteArray("a\xC3\xA7\xC3\xA3o\0", 7));
  EXPECT_EQ(config.LeReg(name, QString()), QStringLiteral("ação"));

  const QString cyrillic = QStringLiteral("/home/ana/Документы/notas");
  config.GravaReg(QStringLiteral("DirNotas"), cyrillic);
  Registry reopened(world.userHive(), world.machineHive(), nullptr);
  CConfig again(reopened, dialogs);
  EXPECT_EQ(again.LeReg(QStringLiteral("DirNotas"), QString()), cyrillic);

  setMachine("DirInstalado", "/dados/dicion\xE1rio a\xE7\xE3o");  // as an older file holds it
  setMachine("Instalacao", "dicion\xC3\xA1rio");                    // as the build writes it
  EXPECT_EQ(config.LeRegLM(QStringLiteral("DirInstalado"), QString()), QStringLiteral("/dados/dicionário ação"));
  EXPECT_EQ(config.LeRegLM(QStringLiteral("Instalacao"), QString()), QStringLiteral("dicionário"));
}

TEST_F(CConfigRegistro, ValuesThatDoNotFitTheBufferReadAsMissing) {
  const QString fits(499, u'x');
  const QString tooLong(500, u'y');
  setMachine("longo", "da maquina");
  config.GravaReg(QStringLiteral("cabe"), fits);
  config.GravaReg(QStringLiteral("longo"), tooLong);
  EXPECT_EQ(config.LeReg(QStringLiteral("cabe"), QString()), fits);
  EXPECT_EQ(config.LeRegCU(QStringLiteral("longo"), QStringLiteral("d")), QStringLiteral("d"));
  EXPECT_EQ(config.LeReg(QStringLiteral("longo"), QStringLiteral("d")), QStringLiteral("da maquina"));
  setMachine("longoLM", QByteArray(500, 'z'));
  EXPECT_EQ(config.LeRegLM(QStringLiteral("longoLM"), QStringLiteral("d")), QStringLiteral("d"));
}

class ThrowingRegistry final : public IRegistry {
 public:
  LONG RegOpenKeyExA(HKEY, const QByteArray&, DWORD, DWORD, HKEY* r) override {
    *r = 1;
    return ERROR_SUCCESS;
  }
  LONG RegQueryValueExA(HKEY, const QByteArray&, DWORD*, char*, DWORD*) override { return ERROR_FILE_NOT_FOUND; }
  LONG RegSetValueExA(HKEY, const QByteArray&, DWORD, DWORD, const char*, DWORD) override {
    throw std::runtime_error("Erro de escrita");
  }
  LONG RegCreateKeyA(HKEY, const QByteArray&, HKEY*) override { return ERROR_ACCESS_DENIED; }
  LONG RegCreateKeyExA(HKEY, const QByteArray&, DWORD, const QByteArray&, DWORD, DWORD, void*, HKEY*,
                       DWORD*) override {
    return ERROR_ACCESS_DENIED;
  }
  LONG RegDeleteKeyA(HKEY, const QByteArray&) override { return ERROR_ACCESS_DENIED; }
  LONG RegCloseKey(HKEY) override { return ERROR_SUCCESS; }
  void BeginChanges() override {}
  LONG EndChanges(bool) override { return ERROR_SUCCESS; }
  QString HiveFilePath(HKEY) const override { return QString(); }
};

TEST(CConfigGravaReg, RunTimeFailureIsShownAndGivesFalse) {
  ThrowingRegistry registry;
  ScriptedDialogs dialogs;
  CConfig config(registry, dialogs);
  EXPECT_FALSE(config.GravaReg(QStringLiteral("x"), QStringLiteral("y")));
  ASSERT_EQ(dialogs.calls().size(), 1u);
  EXPECT_EQ(dialogs.calls()[0].prompt, QStringLiteral("Erro de escrita"));
  EXPECT_EQ(dialogs.calls()[0].title, QString());
}

TEST(CConfigGravaReg, KeyThatCannotBeCreatedGivesFalseWithoutAMessage) {
  TestFolders world;
  world.write(QStringLiteral("blocker"), "x");
  Registry registry(world.root() + QStringLiteral("/blocker/u.reg"), world.machineHive(), nullptr);
  ScriptedDialogs dialogs;
  CConfig config(registry, dialogs);
  EXPECT_FALSE(config.GravaReg(QStringLiteral("x"), QStringLiteral("y")));
  EXPECT_TRUE(dialogs.calls().empty());
}

}  // namespace
