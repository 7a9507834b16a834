#pragma once

#include <QByteArray>
#include <QString>

// Files in a folder that other people or programs may also fill (a shared
// notes folder): what a name there leads to, and reading only what is a
// regular file. A pipe (whose read waits for a writer that never comes) or
// a device is never opened, and a link may be kept from leading out of the
// folder.
namespace files {

enum class Kind {
  Regular,  // a regular file
  Missing,  // nothing there (a link that leads nowhere included)
  Refused,  // anything else: a pipe, a device, a folder, a socket, a link
            // out of the folder the name must stay in
};

struct Resolved {
  Kind kind = Kind::Missing;
  // Regular: the file itself, links followed. Missing: where a new file
  // goes, the name as given (a link that leads nowhere is replaced itself,
  // so nothing is made where it points). Refused: the name as given.
  QString path;
};

// Whether the canonical path `canonical` is the folder `folder` (links
// followed) or lies inside it.
bool isInside(const QString& canonical, const QString& folder);

// Where the file-system path `path` leads now. When `folder` is not empty,
// a name whose file (links followed) lies outside `folder` (links followed
// too) is Refused, so a link cannot lead a read or a write elsewhere.
Resolved resolve(const QString& path, const QString& folder = QString());

enum class OpenStatus { Opened, Missing, NotRegular, Failed };

struct OpenResult {
  OpenStatus status = OpenStatus::Failed;
  int fd = -1;    // when Opened: the open file, for the caller to close
  int error = 0;  // when Missing or Failed: the errno of the step that failed
};

// Opens the file at `path` with the open(2) `flags` (O_NONBLOCK, O_CLOEXEC
// and O_NOCTTY added) only when it is a regular file: checked before opening
// (a link at `path` not followed when `flags` has O_NOFOLLOW) and again on
// the file opened, so a pipe swapped in meanwhile is never waited on and a
// device never kept open.
OpenResult openRegular(const QString& path, int flags);

enum class ReadStatus { Read, Missing, NotRegular, Failed };

struct ReadResult {
  ReadStatus status = ReadStatus::Failed;
  QByteArray bytes;  // what was read, when Read
};

// The first `largest` bytes (all, when negative) of the file at `path`,
// links followed. Only a regular file is opened (checked before opening and
// again on the file opened, without waiting on it), so the call never
// blocks on a pipe or reads a device.
ReadResult readRegular(const QString& path, qint64 largest = -1);

}  // namespace files
