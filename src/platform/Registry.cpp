#include "Registry.h"

#include "ProgramPaths.h"

#include <QDir>

#include <cstring>

namespace reg {

QString defaultUserHivePath() {
  QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (config.isEmpty()) config = QDir::homePath() + QStringLiteral("/.config");
  return config + QStringLiteral("/minivocabra/HKEY_CURRENT_USER.reg");
}

QString defaultMachineHivePath() { return paths::appPath() + QStringLiteral("/HKEY_LOCAL_MACHINE.reg"); }

Registry::Registry(const QString& userHivePath, const QString& machineHivePath, HiveFile::Reporter report,
                   files::IFileWriter& writer)
    : user_{HiveFile(userHivePath, "HKEY_CURRENT_USER", report, writer), RegistryHive("HKEY_CURRENT_USER"), {}},
      machine_{HiveFile(machineHivePath, "HKEY_LOCAL_MACHINE", report, writer), RegistryHive("HKEY_LOCAL_MACHINE"),
               {}} {
  user_.data = user_.file.load();
  machine_.data = machine_.file.load();
}

std::unique_ptr<Registry> Registry::openDefault(HiveFile::Reporter report) {
  QString user = qEnvironmentVariable(kUserHiveVariable);
  QString machine = qEnvironmentVariable(kMachineHiveVariable);
  if (user.isEmpty()) user = defaultUserHivePath();
  if (machine.isEmpty()) machine = defaultMachineHivePath();
  return std::make_unique<Registry>(user, machine, std::move(report));
}

bool Registry::resolve(HKEY key, const QByteArray& subKey, OpenKey& out) const {
  if (key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE) {
    out.hive = const_cast<Hive*>(key == HKEY_CURRENT_USER ? &user_ : &machine_);
    out.path = subKey;
    out.access = KEY_ALL_ACCESS;
    return true;
  }
  const auto found = open_.find(key);
  if (found == open_.end()) return false;
  out = found->second;
  if (!subKey.isEmpty()) out.path = out.path.isEmpty() ? subKey : out.path + '\\' + subKey;
  return true;
}

HKEY Registry::newHandle(const OpenKey& open) {
  const HKEY handle = nextHandle_++;
  open_.emplace(handle, open);
  return handle;
}

template <typename Change>
bool Registry::commit(Hive& hive, Change change) {
  if (inGroup_) {
    if (!hive.beforeGroup) hive.beforeGroup = hive.data;
    change(hive.data);
    return true;
  }
  RegistryHive changed = hive.data;
  change(changed);
  if (!hive.file.save(changed)) return false;
  hive.data = std::move(changed);
  return true;
}

LONG Registry::RegOpenKeyExA(HKEY key, const QByteArray& subKey, DWORD, DWORD samDesired, HKEY* result) {
  OpenKey open;
  if (!resolve(key, subKey, open)) return ERROR_INVALID_HANDLE;
  if (!open.hive->data.hasKey(open.path)) return ERROR_FILE_NOT_FOUND;
  open.access = samDesired;
  if (result != nullptr) *result = newHandle(open);
  return ERROR_SUCCESS;
}

LONG Registry::RegQueryValueExA(HKEY key, const QByteArray& valueName, DWORD* type, char* data,
                                DWORD* dataSize) {
  OpenKey open;
  if (!resolve(key, {}, open)) return ERROR_INVALID_HANDLE;
  if ((open.access & KEY_QUERY_VALUE) == 0) return ERROR_ACCESS_DENIED;
  const RegistryValue* value = open.hive->data.value(open.path, valueName);
  if (value == nullptr) return ERROR_FILE_NOT_FOUND;
  if (type != nullptr) *type = value->type;
  const auto size = static_cast<DWORD>(value->data.size());
  if (dataSize == nullptr) return data == nullptr ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
  if (data != nullptr && size > *dataSize) {
    *dataSize = size;
    return ERROR_MORE_DATA;
  }
  if (data != nullptr) std::memcpy(data, value->data.constData(), size);
  *dataSize = size;
  return ERROR_SUCCESS;
}

LONG Registry::RegSetValueExA(HKEY key, const QByteArray& valueName, DWORD, DWORD type, const char* data,
                              DWORD size) {
  OpenKey open;
  if (!resolve(key, {}, open)) return ERROR_INVALID_HANDLE;
  if ((open.access & KEY_SET_VALUE) == 0) return ERROR_ACCESS_DENIED;
  if (!open.hive->data.hasKey(open.path)) return ERROR_FILE_NOT_FOUND;
  const QByteArray bytes(data, data == nullptr ? 0 : static_cast<qsizetype>(size));
  const bool saved = commit(*open.hive, [&](RegistryHive& hive) {
    hive.setValue(open.path, valueName, type, bytes);
  });
  return saved ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

LONG Registry::RegCreateKeyA(HKEY key, const QByteArray& subKey, HKEY* result) {
  return RegCreateKeyExA(key, subKey, 0, {}, 0, KEY_ALL_ACCESS, nullptr, result, nullptr);
}

LONG Registry::RegCreateKeyExA(HKEY key, const QByteArray& subKey, DWORD, const QByteArray&, DWORD,
                               DWORD samDesired, void*, HKEY* result, DWORD* disposition) {
  OpenKey open;
  if (!resolve(key, subKey, open)) return ERROR_INVALID_HANDLE;
  const bool exists = open.hive->data.hasKey(open.path);
  if (!exists && !commit(*open.hive, [&](RegistryHive& hive) { hive.createKey(open.path); }))
    return ERROR_CANTWRITE;
  if (disposition != nullptr) *disposition = exists ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
  open.access = samDesired;
  if (result != nullptr) *result = newHandle(open);
  return ERROR_SUCCESS;
}

LONG Registry::RegDeleteKeyA(HKEY key, const QByteArray& subKey) {
  OpenKey open;
  if (!resolve(key, subKey, open)) return ERROR_INVALID_HANDLE;
  if (!open.hive->data.hasKey(open.path) || subKey.isEmpty()) return ERROR_FILE_NOT_FOUND;
  if (open.hive->data.hasSubkeys(open.path)) return ERROR_ACCESS_DENIED;
  const bool saved = commit(*open.hive, [&](RegistryHive& hive) { hive.removeKey(open.path); });
  return saved ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

LONG Registry::RegCloseKey(HKEY key) {
  if (key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE) return ERROR_SUCCESS;
  return open_.erase(key) != 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

void Registry::BeginChanges() { inGroup_ = true; }

LONG Registry::EndChanges(bool discard) {
  if (!inGroup_) return ERROR_INVALID_PARAMETER;
  inGroup_ = false;
  const bool userSaved = endGroup(user_, discard);
  const bool machineSaved = endGroup(machine_, discard);
  return userSaved && machineSaved ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

bool Registry::endGroup(Hive& hive, bool discard) {
  if (!hive.beforeGroup) return true;  // not changed
  RegistryHive before = std::move(*hive.beforeGroup);
  hive.beforeGroup.reset();
  if (discard) {
    hive.data = std::move(before);
    return true;
  }
  if (hive.file.save(hive.data)) return true;
  hive.data = std::move(before);
  return false;
}

QString Registry::HiveFilePath(HKEY root) const {
  if (root == HKEY_CURRENT_USER) return user_.file.path();
  if (root == HKEY_LOCAL_MACHINE) return machine_.file.path();
  return QString();
}

}  // namespace reg
