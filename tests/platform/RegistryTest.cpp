#include "Registry.h"

#include "Ansi.h"
#include "FailingFileWriter.h"
#include "SmallDisk.h"
#include "TestFolders.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace reg;

namespace {

const QByteArray kKey = "SOFTWARE\\Corvanta\\MiniVocabra\\";

class RegistryTest : public ::testing::Test {
 protected:
  std::unique_ptr<Registry> open() {
    return std::make_unique<Registry>(world.userHive(), world.machineHive(),
                                      [this](const QString& m) { reports.push_back(m); });
  }
  static void set(IRegistry& r, HKEY root, const QByteArray& name, const QByteArray& text) {
    HKEY key = 0;
    ASSERT_EQ(r.RegCreateKeyA(root, kKey, &key), ERROR_SUCCESS);
    const QByteArray data = text + '\0';
    ASSERT_EQ(r.RegSetValueExA(key, name, 0, REG_SZ, data.constData(), static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
    r.RegCloseKey(key);
  }
  static QByteArray get(IRegistry& r, HKEY root, const QByteArray& name, LONG* status = nullptr) {
    HKEY key = 0;
    LONG result = r.RegOpenKeyExA(root, kKey, 0, KEY_QUERY_VALUE, &key);
    char buffer[500];
    DWORD size = sizeof buffer;
    if (result == ERROR_SUCCESS) {
      result = r.RegQueryValueExA(key, name, nullptr, buffer, &size);
      r.RegCloseKey(key);
    }
    if (status != nullptr) *status = result;
    return result == ERROR_SUCCESS ? QByteArray(buffer, size) : QByteArray();
  }

  TestFolders world;
  std::vector<QString> reports;
};

TEST_F(RegistryTest, NamesAndDataSurviveTheFile) {
  const QByteArray names[] = {ansi::fromUnicode(QStringLiteral("Classe gramatical/Regência - Cor ")),
                              ansi::fromUnicode(QStringLiteral("Título - Tipo Fonte Padrão")),
                              "quote\"d", "back\\slash", "trailing  "};
  {
    auto r = open();
    for (const QByteArray& name : names) set(*r, HKEY_CURRENT_USER, name, "v:" + name + " \\\"");
  }
  auto again = open();
  for (const QByteArray& name : names)
    EXPECT_EQ(get(*again, HKEY_CURRENT_USER, name), "v:" + name + " \\\"" + '\0') << name.constData();
  EXPECT_TRUE(reports.empty());
}

TEST_F(RegistryTest, RawDataAndDwordsRoundTrip) {
  {
    auto r = open();
    HKEY key = 0;
    ASSERT_EQ(r->RegCreateKeyA(HKEY_CURRENT_USER, kKey, &key), ERROR_SUCCESS);
    const QByteArray raw("a\r\nb\0c", 6);  // line break, embedded NUL, no terminator
    r->RegSetValueExA(key, "raw", 0, REG_SZ, raw.constData(), 6);
    const quint32 dword = 0xDEADBEEF;
    r->RegSetValueExA(key, "dw", 0, REG_DWORD, reinterpret_cast<const char*>(&dword), 4);
    r->RegSetValueExA(key, "", 0, REG_SZ, "default", 8);
    r->RegCloseKey(key);
  }
  auto again = open();
  HKEY key = 0;
  ASSERT_EQ(again->RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
  char buffer[16];
  DWORD size = sizeof buffer;
  DWORD type = 0;
  ASSERT_EQ(again->RegQueryValueExA(key, "RAW", &type, buffer, &size), ERROR_SUCCESS);  // any case
  EXPECT_EQ(type, REG_SZ);
  EXPECT_EQ(QByteArray(buffer, size), QByteArray("a\r\nb\0c", 6));
  size = sizeof buffer;
  ASSERT_EQ(again->RegQueryValueExA(key, "dw", &type, buffer, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_DWORD);
  EXPECT_EQ(QByteArray(buffer, size), QByteArray("\xEF\xBE\xAD\xDE", 4));
  size = sizeof buffer;
  EXPECT_EQ(again->RegQueryValueExA(key, "", nullptr, buffer, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 8u);
}

TEST_F(RegistryTest, CodesOfTheOperations) {
  auto r = open();
  HKEY key = 0;
  EXPECT_EQ(r->RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key), ERROR_FILE_NOT_FOUND);
  DWORD disposition = 0;
  ASSERT_EQ(r->RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, {}, 0, KEY_WRITE, nullptr, &key, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
  char buffer[4];
  DWORD size = sizeof buffer;
  EXPECT_EQ(r->RegQueryValueExA(key, "x", nullptr, buffer, &size), ERROR_ACCESS_DENIED);  // write-only handle
  EXPECT_EQ(r->RegSetValueExA(key, "x", 0, REG_SZ, "12345", 6), ERROR_SUCCESS);
  EXPECT_EQ(r->RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(r->RegCloseKey(key), ERROR_INVALID_HANDLE);

  ASSERT_EQ(r->RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, {}, 0, KEY_READ, nullptr, &key, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
  EXPECT_EQ(r->RegSetValueExA(key, "x", 0, REG_SZ, "1", 2), ERROR_ACCESS_DENIED);  // read-only handle
  size = sizeof buffer;
  EXPECT_EQ(r->RegQueryValueExA(key, "x", nullptr, buffer, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(r->RegQueryValueExA(key, "missing", nullptr, buffer, &size), ERROR_FILE_NOT_FOUND);
  r->RegCloseKey(key);

  // A key with subkeys is not deleted; a leaf is.
  EXPECT_EQ(r->RegDeleteKeyA(HKEY_CURRENT_USER, "SOFTWARE\\Corvanta"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(r->RegDeleteKeyA(HKEY_CURRENT_USER, kKey), ERROR_SUCCESS);
  EXPECT_EQ(r->RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(r->RegDeleteKeyA(HKEY_CURRENT_USER, kKey), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, HivesAreSeparateFiles) {
  auto r = open();
  set(*r, HKEY_LOCAL_MACHINE, "Instalacao", "7");
  LONG status = 0;
  get(*r, HKEY_CURRENT_USER, "Instalacao", &status);
  EXPECT_EQ(status, ERROR_FILE_NOT_FOUND);
  EXPECT_TRUE(QFile::exists(world.machineHive()));
  EXPECT_FALSE(QFile::exists(world.userHive()));
  EXPECT_TRUE(world.read(QStringLiteral("HKEY_LOCAL_MACHINE.reg"))
                  .contains("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvanta\\MiniVocabra]\n\"Instalacao\"=\"7\""));
}

TEST_F(RegistryTest, InterruptedWriteLeavesTheLastGoodHive) {
  {
    auto r = open();
    set(*r, HKEY_CURRENT_USER, "ModoBusca", "1");
  }
  const QByteArray good = world.read(QStringLiteral("config/HKEY_CURRENT_USER.reg"));
  // What a crash during the next write leaves: half a temporary file beside it.
  world.write(QStringLiteral("config/HKEY_CURRENT_USER.reg.Xy12Ab"), good.left(good.size() / 2));
  auto again = open();
  EXPECT_EQ(get(*again, HKEY_CURRENT_USER, "ModoBusca"), QByteArray("1", 2));
  EXPECT_TRUE(reports.empty());
}

TEST_F(RegistryTest, UnwritableHiveRefusesTheValue) {
  world.write(QStringLiteral("blocker"), "a file where a folder should be");
  Registry r(world.root() + QStringLiteral("/blocker/HKEY_CURRENT_USER.reg"), world.machineHive(), nullptr);
  HKEY key = 0;
  EXPECT_EQ(r.RegCreateKeyA(HKEY_CURRENT_USER, kKey, &key), ERROR_CANTWRITE);
  EXPECT_EQ(r.RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, UnreadableHiveIsSetAsideOnceAndNeverOverwritten) {
  const QByteArray cases[] = {
      "garbage\n",
      "REGEDIT4\n\"value before key\"=\"x\"\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"unterminated=\"x\n",
      "REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n",  // another hive's key
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"n\"=hex(1):zz\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"n\"=dword:123\n",
      "",  // empty
      " \n\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"n\"=hex(1):61,62",  // cut inside the line
  };
  for (const QByteArray& text : cases) {
    QDir(world.root() + QStringLiteral("/config")).removeRecursively();
    world.write(QStringLiteral("config/HKEY_CURRENT_USER.reg"), text);
    reports.clear();
    auto r = open();
    ASSERT_EQ(reports.size(), 1u) << text.constData();
    EXPECT_TRUE(reports[0].startsWith(QStringLiteral("O arquivo de configurações ") + world.userHive() +
                                      QStringLiteral(" está danificado (")))
        << qPrintable(reports[0]);
    EXPECT_EQ(world.read(QStringLiteral("config/HKEY_CURRENT_USER.reg.ilegivel")), text);
    set(*r, HKEY_CURRENT_USER, "ModoBusca", "0");  // the program goes on with an empty hive
    EXPECT_EQ(world.read(QStringLiteral("config/HKEY_CURRENT_USER.reg.ilegivel")), text);
  }
}

TEST_F(RegistryTest, TheReportSaysInPortugueseWhatIsWrongAndWhereTheFileWent) {
  world.write(QStringLiteral("config/HKEY_CURRENT_USER.reg"), "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"x\"\n");
  world.write(QStringLiteral("config/HKEY_CURRENT_USER.reg.ilegivel"), "an earlier one");
  auto r = open();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], QStringLiteral("O arquivo de configurações %1 está danificado (linha 4: um nome de valor sem "
                                       "\"=\"). Ele foi guardado como %1.ilegivel2 e as configurações voltam aos "
                                       "valores padrão.")
                            .arg(world.userHive()));

  reports.clear();
  QDir().mkpath(world.userHive() + QStringLiteral(".d"));
  Registry folder(world.userHive() + QStringLiteral(".d"), world.machineHive(),
                  [this](const QString& m) { reports.push_back(m); });
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], QStringLiteral("Não foi possível ler o arquivo de configurações %1.d. As configurações voltam "
                                       "aos valores padrão e o arquivo não será alterado nesta execução.")
                            .arg(world.userHive()));
}

TEST_F(RegistryTest, HiveCutInTheMiddleIsReadOrSetAside) {
  {
    auto r = open();
    for (int i = 0; i < 20; ++i) set(*r, HKEY_CURRENT_USER, "Valor" + QByteArray::number(i), "texto " + QByteArray::number(i));
  }
  const QByteArray whole = world.read(QStringLiteral("config/HKEY_CURRENT_USER.reg"));
  for (qsizetype cut = 0; cut < whole.size(); cut += 7) {
    QDir(world.root() + QStringLiteral("/config")).removeRecursively();
    const QByteArray part = whole.left(cut);
    world.write(QStringLiteral("config/HKEY_CURRENT_USER.reg"), part);
    reports.clear();
    auto r = open();  // never a crash; a cut inside a line is always seen
    if (part.endsWith('\n')) EXPECT_LE(reports.size(), 1u) << cut;
    else EXPECT_EQ(reports.size(), 1u) << cut;
  }
}

}  // namespace

namespace {

class RegistryFullDisk : public ::testing::Test {
 protected:
  static QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // Sets a value and reads it back from the same registry.
  static LONG setThenGet(IRegistry& r, const QByteArray& name, const QByteArray& text, QByteArray* read) {
    HKEY key = 0;
    r.RegCreateKeyA(HKEY_CURRENT_USER, kKey, &key);
    const QByteArray data = text + '\0';
    const LONG status = r.RegSetValueExA(key, name, 0, REG_SZ, data.constData(), static_cast<DWORD>(data.size()));
    r.RegCloseKey(key);
    r.RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key);
    char buffer[64] = {};
    DWORD size = sizeof buffer;
    read->clear();
    if (r.RegQueryValueExA(key, name, nullptr, buffer, &size) == ERROR_SUCCESS) *read = QByteArray(buffer, size);
    r.RegCloseKey(key);
    return status;
  }
};

// The settings file on a disk too full for the next save: the save fails,
// the value is not taken, and the file keeps every earlier setting.
TEST_F(RegistryFullDisk, ASaveThatDoesNotFitFailsAndKeepsTheFileWhole) {
  const SmallDisk disk(64);
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
  const QString hive = disk.path() + QStringLiteral("/HKEY_CURRENT_USER.reg");
  Registry r(hive, disk.path() + QStringLiteral("/HKEY_LOCAL_MACHINE.reg"), nullptr);
  QByteArray read;
  ASSERT_EQ(setThenGet(r, "DirNotas", "/home/ana/notas", &read), ERROR_SUCCESS);
  const QByteArray saved = readFile(hive);
  disk.fillLeaving(4096);
  EXPECT_EQ(setThenGet(r, "Grande", QByteArray(9000, 'g'), &read), ERROR_CANTWRITE);
  EXPECT_TRUE(read.isEmpty());
  EXPECT_EQ(readFile(hive), saved);
  Registry again(hive, disk.path() + QStringLiteral("/HKEY_LOCAL_MACHINE.reg"), nullptr);
  EXPECT_EQ(setThenGet(again, "ModoBusca", "1", &read), ERROR_SUCCESS);
  EXPECT_TRUE(readFile(hive).contains("\"DirNotas\"=\"/home/ana/notas\""));
}

TEST_F(RegistryFullDisk, AFailedWriteThroughTheFileLayerKeepsTheValueOut) {
  TestFolders world;
  FailingFileWriter writer;
  Registry r(world.userHive(), world.machineHive(), nullptr, writer);
  QByteArray read;
  ASSERT_EQ(setThenGet(r, "ModoBusca", "1", &read), ERROR_SUCCESS);
  const QByteArray saved = readFile(world.userHive());
  writer.failWritesTo();
  EXPECT_EQ(setThenGet(r, "ModoBusca", "0", &read), ERROR_CANTWRITE);
  EXPECT_EQ(read, QByteArray("1", 2));
  EXPECT_EQ(readFile(world.userHive()), saved);
  EXPECT_EQ(writer.failures(), 1);
}

}  // namespace
