#pragma once

#include <QByteArray>
#include <QString>

// Text a user typed or chose, as the bytes of a file: settings values,
// notes, the style sheets made from the user's choices. Linux file names
// are bytes, almost always UTF-8, a folder may be named in any script
// ("Документы") and a note may hold any character ("日本", "😀"), so such
// text is written as UTF-8. Files written by older versions, or by Windows
// tools, hold Windows-1252 ("ANSI"); bytes that are not valid UTF-8 are read
// as that. (Windows-1252 text with accents is practically never valid
// UTF-8, and plain ASCII is the same in both.)
namespace storedtext {

QByteArray encode(const QString& text);

// UTF-8 when `bytes` is valid UTF-8 (a byte-order mark in front is
// dropped), else Windows-1252.
QString decode(const QByteArray& bytes);

}  // namespace storedtext
