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
// Bytes are kept as they are (names ANSI, the settings' text UTF-8). Every
// line, the last included, ends in a line break. Inside quotes "\" and '"'
// are escaped with "\". A REG_SZ whose data is text plus one terminating NUL,
// with no line break, is written in quotes; any other data keeps its exact
// bytes as hex. ";" starts a comment line, "\" at the end of a hex line
// continues it.
namespace reg::regedit4 {

struct Sink {
  std::function<void(const QByteArray& path)> key;
  std::function<void(const QByteArray& path, RegistryValue value)> value;
};

// What is wrong with a file that does not parse, and on which line (from 1).
struct ParseError {
  enum class Kind {
    NoHeader,            // it does not start with REGEDIT4
    UnclosedKey,         // a key line without its "]"
    ForeignKey,          // a key of another hive
    ValueBeforeKey,
    BadValueName,
    NoEquals,            // a value name not followed by "="
    ContinuedAtEnd,      // a hex line ending in "\" on the last line
    BadData,
  };
  Kind kind = Kind::NoHeader;
  int line = 0;
};

// One value line, without its line end.
QByteArray formatValue(const RegistryValue& value);

// Parses a whole file for the hive `rootName`, reporting each key and value
// to `sink`. False on the first malformed line, with `*error` (when given)
// saying which and why. Time linear in the size of the text.
bool parse(const QByteArray& text, const QByteArray& rootName, const Sink& sink, ParseError* error);

}  // namespace reg::regedit4
