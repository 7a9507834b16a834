#pragma once

#include <QString>

// Which files a navigation may show as a page: regular files of sensible
// size inside the program folder (paths::appPath()) or the user's style
// folder (paths::userDataDir() + "/css"). Links are followed first, so a
// link cannot lead out. Anything else (another folder, a device such as
// /dev/zero, a pipe, a folder, a huge file) is never opened, so a page link
// can neither block the program nor read what is not the program's.
namespace pageaccess {

// The largest page file shown.
inline constexpr qint64 kLargestPage = qint64(8) << 20;

enum class Verdict {
  Allowed,
  Missing,  // no such file
  Outside,  // not inside the program's folders
  NotAPage, // not a regular file, or larger than kLargestPage
};

// The verdict on the file-system path `path`, with the folders as they are
// now.
Verdict check(const QString& path);

}  // namespace pageaccess
