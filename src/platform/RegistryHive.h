#pragma once

#include "IRegistry.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace reg {

namespace regedit4 {
struct ParseError;
}

struct RegistryValue {
  QByteArray name;  // as first written; matched without regard to case
  DWORD type = REG_NONE;
  QByteArray data;  // raw bytes, a REG_SZ's terminating NUL included
};

// One hive in memory: keys by path below the hive's root, each with its
// values, and the hive's REGEDIT4 text form. Paths use "\" and match without
// regard to case; leading and trailing "\" are ignored.
class RegistryHive final {
 public:
  explicit RegistryHive(QByteArray rootName);  // "HKEY_CURRENT_USER", ...

  const QByteArray& rootName() const { return rootName_; }

  bool hasKey(const QByteArray& path) const;
  bool hasSubkeys(const QByteArray& path) const;
  // Creates the key and every key above it; true when it did not exist.
  bool createKey(const QByteArray& path);
  // Removes the key and its values; false when it does not exist.
  bool removeKey(const QByteArray& path);

  // Null when the key or the value does not exist.
  const RegistryValue* value(const QByteArray& path, const QByteArray& name) const;
  // The key must exist.
  void setValue(const QByteArray& path, const QByteArray& name, DWORD type, const QByteArray& data);

  // The REGEDIT4 text of the hive, keys in path order.
  QByteArray toRegedit4() const;

  // Parses REGEDIT4 text written for this hive's root, in time linear in
  // its size. On failure returns nothing and, when `error` is given, says
  // which line failed and why.
  static std::optional<RegistryHive> parse(const QByteArray& rootName, const QByteArray& text,
                                           regedit4::ParseError* error);

 private:
  struct Key {
    QByteArray path;
    std::vector<RegistryValue> values;  // in the order first written
    QHash<QString, std::size_t> byName;  // folded name -> index in values

    void set(RegistryValue value);
  };
  static QString fold(const QByteArray& bytes);
  static QByteArray trimPath(const QByteArray& path);

  QByteArray rootName_;
  std::map<QString, Key> keys_;  // by folded path; "" is the root
};

}  // namespace reg
