#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// The program's files and registry values are single-byte Windows-1252
// ("ANSI") text. These functions convert between that and QString.
namespace ansi {

// Every byte 0-255 maps to one character: Latin-1, with the 32 codes
// 128-159 taken from Windows-1252. The five codes that Windows-1252 leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the
// same value, as the Windows conversion does, so every byte round-trips.
QString toUnicode(const QByteArray& bytes);

// A character with no Windows-1252 code becomes "?".
QByteArray fromUnicode(const QString& text);

// The ANSI code of a character (0-255), or 63 ("?") when it has none.
int asc(QChar c);

// The character of an ANSI code; codes outside 0-255 are taken modulo 256.
QChar chr(int code);

}  // namespace ansi
