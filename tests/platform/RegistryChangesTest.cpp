#include "Registry.h"

#include "FailingFileWriter.h"
#include "TestFolders.h"
#include "ValoresRegistro.h"

#include <gtest/gtest.h>

using namespace reg;

namespace {

// Groups of changes over hive files of a private world, written through a
// writer that fails on demand.
class RegistryChanges : public ::testing::Test {
 protected:
  std::unique_ptr<Registry> open() {
    return std::make_unique<Registry>(world.userHive(), world.machineHive(), nullptr, writer);
  }
  static bool set(IRegistry& r, const QByteArray& name, const QByteArray& text) {
    return valores::gravaTexto(r, HKEY_CURRENT_USER, valores::kChaveConfiguracoes, name, text);
  }
  // The text stored, or "<none>".
  static QByteArray get(IRegistry& r, const QByteArray& name) {
    const QByteArray bytes = valores::leBytes(r, HKEY_CURRENT_USER, valores::kChaveConfiguracoes, name);
    return bytes.isEmpty() ? QByteArray("<none>") : bytes.chopped(1);
  }
  QByteArray onDisk() const { return world.read(QStringLiteral("config/HKEY_CURRENT_USER.reg")); }

  TestFolders world;
  FailingFileWriter writer;
};

TEST_F(RegistryChanges, AGroupIsSeenAtOnceAndWrittenOnceAtItsEnd) {
  auto r = open();
  ASSERT_TRUE(set(*r, "a", "velho"));
  const QByteArray before = onDisk();
  r->BeginChanges();
  EXPECT_TRUE(set(*r, "a", "novo"));
  EXPECT_TRUE(set(*r, "b", "outro"));
  EXPECT_EQ(get(*r, "a"), "novo");
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
    ASSERT_TRUE(set(*r, "a", "velho"));
    const QByteArray before = onDisk();
    if (!discard) writer.failWritesTo();
    r->BeginChanges();
    EXPECT_TRUE(set(*r, "a", "novo"));
    EXPECT_TRUE(set(*r, "b", "outro"));
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
