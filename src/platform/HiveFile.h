#pragma once

#include "FileWriter.h"
#include "RegistryHive.h"

#include <QString>

#include <functional>

namespace reg {

// The file that holds one hive. It is read whole when the hive is loaded and
// written whole on every change through `writer`, so a failed or interrupted
// write leaves the last good file in place.
class HiveFile final {
 public:
  using Reporter = std::function<void(const QString& message)>;

  // `report` hears, once, of a file that could not be read.
  HiveFile(QString path, QByteArray rootName, Reporter report, files::IFileWriter& writer = files::disk());

  const QString& path() const { return path_; }

  // The hive in the file; an empty hive when there is no file. A file that
  // is damaged (empty, cut inside a line, or not parsed) is reported,
  // renamed aside (to "<file>.ilegivel", or with a number added when that
  // name is taken) and an empty hive is returned. One that cannot be read,
  // or damaged and not moved aside, is reported and makes the hive
  // read-only, so it is never overwritten. The reports are the string
  // table's, naming the file. Stale temporaries of earlier writes beside the
  // file are removed first.
  RegistryHive load();

  // Writes the hive; false (and the file unchanged) when it cannot.
  bool save(const RegistryHive& hive);

 private:
  // Reports the damage `why`, moves the file aside; an empty hive.
  RegistryHive setAside(const QString& why);

  QString path_;
  QByteArray rootName_;
  Reporter report_;
  files::IFileWriter* writer_;
  bool readOnly_ = false;
};

}  // namespace reg
