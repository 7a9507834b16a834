#pragma once

#include <QByteArray>
#include <QString>

// The text of a settings value as bytes. Linux file names are bytes, almost
// always UTF-8, and a folder may be named in any script ("Документы"), so
// values are written as UTF-8. Settings written by older versions, or by
// Windows tools, hold Windows-1252 ("ANSI"); a value that is not valid UTF-8
// is read as that. (Windows-1252 text with accents is practically never valid
// UTF-8, and plain ASCII is the same in both.)
namespace storedtext {

QByteArray encode(const QString& text);

// UTF-8 when `bytes` is valid UTF-8, else Windows-1252.
QString decode(const QByteArray& bytes);

}  // namespace storedtext
