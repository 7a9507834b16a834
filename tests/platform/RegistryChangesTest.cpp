#include "Registry.h"

#include "FailingFileWriter.h"
#include "TestFolders.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace reg;

namespace {

const QByteArray kKey = "SOFTWARE\\Corvanta\\MiniVocabra\\";

// Groups of changes over hive files of a private world, written through a
// writer that fails on demand.
class RegistryChanges : public ::testing::Test {
 protected:
  std::unique_ptr<Registry> open() {
    return std::make_unique<Registry>(world.userHive(), world.machineHive(), nullptr, writer);
  }
  static LONG set(IRegistry& r, const QByteArray& name, const QByteArray& text) {
    HKEY key = 0;
    const LONG created = r.RegCreateKeyA(HKEY_CURRENT_USER, kKey, &key);
    if (created != ERROR_SUCCESS) return created;
    const QByteArray data = text + '\0';
    const LONG result =
        r.RegSetValueExA(key, name, 0, REG_SZ, data.constData(), static_cast<DWORD>(data.size()));
    r.RegCloseKey(key);
    return result;
  }
  static QByteArray get(IRegistry& r, const QByteArray& name) {
    HKEY key = 0;
    if (r.RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "<none>";
    char buffer[64];
    DWORD size = sizeof buffer;
    const LONG result = r.RegQueryValueExA(key, name, nullptr, buffer, &size);
    r.RegCloseKey(key);
    return result == ERROR_SUCCESS ? QByteArray(buffer, static_cast<qsizetype>(size) - 1) : "<none>";
  }
  QByteArray onDisk() const { return world.read(QStringLiteral("config/HKEY_CURRENT_USER.reg")); }

  TestFolders world;
  FailingFileWriter writer;
};

TEST_F(RegistryChanges, AGroupIsSeenAtOnceAndWrittenOnceAtItsEnd) {
  auto r = open();
  ASSERT_EQ(set(*r, "a", "velho"), ERROR_SUCCESS);
  const QByteArray before = onDisk();
  r->BeginChanges();
  r->BeginChanges();
  EXPECT_EQ(set(*r, "a", "novo"), ERROR_SUCCESS);
  EXPECT_EQ(set(*r, "b", "outro"), ERROR_SUCCESS);
  EXPECT_EQ(get(*r, "a"), "novo");
  EXPECT_EQ(r->EndChanges(), ERROR_SUCCESS);  // the inner group writes nothing
  EXPECT_EQ(onDisk(), before);
  EXPECT_EQ(r->EndChanges(), ERROR_SUCCESS);
  auto again = open();
  EXPECT_EQ(get(*again, "a"), "novo");
  EXPECT_EQ(get(*again, "b"), "outro");
}

// A file that does not take the group, or a group discarded: neither the
// hive in memory nor its file keeps any of the group's changes.
TEST_F(RegistryChanges, AGroupTheFileRefusesOrThatIsDiscardedLeavesEverythingAsItWas) {
  for (const bool discard : {false, true}) {
    auto r = open();
    ASSERT_EQ(set(*r, "a", "velho"), ERROR_SUCCESS);
    const QByteArray before = onDisk();
    if (!discard) writer.failWritesTo();
    r->BeginChanges();
    EXPECT_EQ(set(*r, "a", "novo"), ERROR_SUCCESS);
    EXPECT_EQ(set(*r, "b", "outro"), ERROR_SUCCESS);
    EXPECT_EQ(r->EndChanges(discard), discard ? ERROR_SUCCESS : ERROR_CANTWRITE) << discard;
    writer.stopFailing();
    EXPECT_EQ(get(*r, "a"), "velho") << discard;
    EXPECT_EQ(get(*r, "b"), "<none>") << discard;
    EXPECT_EQ(onDisk(), before) << discard;
    EXPECT_EQ(get(*open(), "a"), "velho") << discard;
  }
  EXPECT_EQ(writer.failures(), 1);
}

TEST_F(RegistryChanges, EndingNoGroupIsRefusedAndEachHiveNamesItsFile) {
  auto r = open();
  EXPECT_EQ(r->EndChanges(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(r->HiveFilePath(HKEY_CURRENT_USER), world.userHive());
  EXPECT_EQ(r->HiveFilePath(HKEY_LOCAL_MACHINE), world.machineHive());
}

}  // namespace
