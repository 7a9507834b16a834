#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading a page from disk. Pages are ANSI (Windows-1252) text unless they
// say otherwise: a UTF-8 byte-order mark or a meta charset of "utf-8" in
// their first bytes makes them UTF-8.
namespace pagefile {

// The text of the page file at the file-system path `path`; nothing when it
// is not a regular file, cannot be read or holds more than `largest` bytes
// (no more are read).
std::optional<QString> read(const QString& path, qint64 largest);

// The bytes of a page decoded as described above.
QString decode(const QByteArray& bytes);

}  // namespace pagefile
