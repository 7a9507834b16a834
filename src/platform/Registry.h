#pragma once

#include "HiveFile.h"
#include "IRegistry.h"
#include "RegistryHive.h"

#include <QString>

#include <map>
#include <optional>

namespace reg {

// Environment variables that move the hive files (tests, packaging).
inline constexpr char kUserHiveVariable[] = "MINIVOCABRA_HKCU";
inline constexpr char kMachineHiveVariable[] = "MINIVOCABRA_HKLM";

// Where the hives live unless the variables above say otherwise: the user's
// under $XDG_CONFIG_HOME (or ~/.config), the machine's in the program folder.
QString defaultUserHivePath();
QString defaultMachineHivePath();

// The registry of HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, each hive backed
// by its file. Both files are read once, here; every change is written through
// before the call returns.
class Registry final : public IRegistry {
 public:
  // `writer` writes the hive files.
  Registry(const QString& userHivePath, const QString& machineHivePath, HiveFile::Reporter report,
           files::IFileWriter& writer = files::disk());
  Q_DISABLE_COPY_MOVE(Registry)

  // The hives at their usual places, or where the environment moves them.
  static std::unique_ptr<Registry> openDefault(HiveFile::Reporter report);

  LONG RegOpenKeyExA(HKEY key, const QByteArray& subKey, DWORD options, DWORD samDesired,
                     HKEY* result) override;
  LONG RegQueryValueExA(HKEY key, const QByteArray& valueName, DWORD* type, char* data,
                        DWORD* dataSize) override;
  LONG RegSetValueExA(HKEY key, const QByteArray& valueName, DWORD reserved, DWORD type,
                      const char* data, DWORD size) override;
  LONG RegCreateKeyA(HKEY key, const QByteArray& subKey, HKEY* result) override;
  LONG RegCreateKeyExA(HKEY key, const QByteArray& subKey, DWORD reserved,
                       const QByteArray& className, DWORD options, DWORD samDesired,
                       void* securityAttributes, HKEY* result, DWORD* disposition) override;
  LONG RegDeleteKeyA(HKEY key, const QByteArray& subKey) override;
  LONG RegCloseKey(HKEY key) override;
  void BeginChanges() override;
  LONG EndChanges(bool discard = false) override;
  QString HiveFilePath(HKEY root) const override;

 private:
  struct Hive {
    HiveFile file;
    RegistryHive data;
    // The hive as it was before the open group's first change to it.
    std::optional<RegistryHive> beforeGroup;
  };
  struct OpenKey {
    Hive* hive = nullptr;
    QByteArray path;
    DWORD access = 0;
  };

  // The hive and full path that `key` plus `subKey` names; false for an
  // unknown handle.
  bool resolve(HKEY key, const QByteArray& subKey, OpenKey& out) const;
  HKEY newHandle(const OpenKey& open);
  // Applies `change` to a copy of the hive and keeps it only when the file
  // takes it; inside a group, to the hive in memory.
  template <typename Change>
  bool commit(Hive& hive, Change change);
  // The end of the group for one hive: false when its file did not take
  // the group's changes (they are then undone).
  bool endGroup(Hive& hive, bool discard);

  Hive user_;
  Hive machine_;
  bool inGroup_ = false;
  std::map<HKEY, OpenKey> open_;
  HKEY nextHandle_ = 0x100;
};

}  // namespace reg
