#include "RegistryHive.h"

#include "Ansi.h"
#include "Regedit4Parser.h"

namespace reg {

RegistryHive::RegistryHive(QByteArray rootName) : rootName_(std::move(rootName)) {
  keys_.emplace(QString(), Key{});
}

QString RegistryHive::fold(const QByteArray& bytes) { return ansi::toUnicode(bytes).toCaseFolded(); }

QByteArray RegistryHive::trimPath(const QByteArray& path) {
  qsizetype begin = 0;
  qsizetype end = path.size();
  while (begin < end && path[begin] == '\\') ++begin;
  while (end > begin && path[end - 1] == '\\') --end;
  return path.mid(begin, end - begin);
}

bool RegistryHive::hasKey(const QByteArray& path) const {
  return keys_.count(fold(trimPath(path))) != 0;
}

bool RegistryHive::hasSubkeys(const QByteArray& path) const {
  const QString folded = fold(trimPath(path));
  const QString prefix = folded.isEmpty() ? QString() : folded + u'\\';
  for (const auto& [key, unused] : keys_) {
    if (key != folded && key.startsWith(prefix) && !key.isEmpty()) return true;
  }
  return false;
}

bool RegistryHive::createKey(const QByteArray& path) {
  const QByteArray trimmed = trimPath(path);
  if (hasKey(trimmed)) return false;
  qsizetype slash = -1;
  do {
    slash = trimmed.indexOf('\\', slash + 1);
    const QByteArray partial = slash < 0 ? trimmed : trimmed.left(slash);
    const auto [key, added] = keys_.try_emplace(fold(partial));
    if (added) key->second.path = partial;
  } while (slash >= 0);
  return true;
}

bool RegistryHive::removeKey(const QByteArray& path) {
  const QString folded = fold(trimPath(path));
  if (folded.isEmpty()) return false;
  return keys_.erase(folded) != 0;
}

const RegistryValue* RegistryHive::value(const QByteArray& path, const QByteArray& name) const {
  const auto key = keys_.find(fold(trimPath(path)));
  if (key == keys_.end()) return nullptr;
  const auto found = key->second.byName.constFind(fold(name));
  return found == key->second.byName.cend() ? nullptr : &key->second.values[*found];
}

void RegistryHive::setValue(const QByteArray& path, const QByteArray& name, DWORD type,
                            const QByteArray& data) {
  keys_.at(fold(trimPath(path))).set(RegistryValue{name, type, data});
}

void RegistryHive::Key::set(RegistryValue value) {
  const QString folded = fold(value.name);
  const auto found = byName.constFind(folded);
  if (found != byName.cend()) {
    RegistryValue& v = values[*found];
    v.type = value.type;
    v.data = std::move(value.data);
    return;
  }
  byName.insert(folded, values.size());
  values.push_back(std::move(value));
}

QByteArray RegistryHive::toRegedit4() const {
  QByteArray text = "REGEDIT4\n";
  for (const auto& [folded, key] : keys_) {
    text += "\n[" + rootName_;
    if (!key.path.isEmpty()) text += '\\' + key.path;
    text += "]\n";
    for (const RegistryValue& v : key.values) text += regedit4::formatValue(v) + '\n';
  }
  return text;
}

std::optional<RegistryHive> RegistryHive::parse(const QByteArray& rootName, const QByteArray& text,
                                                regedit4::ParseError* error) {
  RegistryHive hive(rootName);
  Key* current = nullptr;  // the key of the last key line: its values follow it
  const bool ok = regedit4::parse(text, rootName,
                                  {[&](const QByteArray& path) {
                                     hive.createKey(path);
                                     current = &hive.keys_.at(fold(trimPath(path)));
                                   },
                                   [&](const QByteArray&, RegistryValue v) { current->set(std::move(v)); }},
                                  error);
  if (!ok) return std::nullopt;
  return hive;
}

}  // namespace reg
