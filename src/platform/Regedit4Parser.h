#pragma once

#include "RegistryHive.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The REGEDIT4 text format of a hive file:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\SOFTWARE\Corvanta\MiniVocabra]
//   "ModoBusca"="0"
//   "Contagem"=dword:0000000a
//   "Multilinha"=hex(1):61,0d,0a,62,00
//
// Bytes are ANSI. Inside quotes "\" and '"' are escaped with "\". A REG_SZ
// whose data is text plus one terminating NUL, with no line break, is written
// in quotes; any other data keeps its exact bytes as hex. ";" starts a comment
// line, "\" at the end of a hex line continues it.
namespace reg::regedit4 {

struct Sink {
  std::function<void(const QByteArray& path)> key;
  std::function<void(const QByteArray& path, RegistryValue value)> value;
};

// One value line, without its line end.
QByteArray formatValue(const RegistryValue& value);

// Parses a whole file for the hive `rootName`, reporting each key and value
// to `sink`. False on the first malformed line, with `*error` naming it.
bool parse(const QByteArray& text, const QByteArray& rootName, const Sink& sink, QString* error);

}  // namespace reg::regedit4
