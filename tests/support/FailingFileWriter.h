#pragma once

#include "FileWriter.h"

#include <QString>

// A file writer that fails on demand, as a full disk or a folder that
// refuses files would: a failing write changes nothing on disk and returns
// false. The other writes go to the real writer.
class FailingFileWriter final : public files::IFileWriter {
 public:
  // Writes to paths that end in `suffix` fail from now on ("": every write).
  void failWritesTo(const QString& suffix = QString()) {
    suffix_ = suffix;
    failing_ = true;
  }
  void stopFailing() { failing_ = false; }
  int failures() const { return failures_; }

  bool write(const QString& path, const QByteArray& bytes) override {
    return fails(path) ? false : files::disk().write(path, bytes);
  }
  bool write(const QString& path, QIODevice& source) override {
    return fails(path) ? false : files::disk().write(path, source);
  }
  bool writeInside(const QString& folder, const QString& path, const QByteArray& bytes) override {
    return fails(path) ? false : files::disk().writeInside(folder, path, bytes);
  }

 private:
  bool fails(const QString& path) {
    if (!failing_ || !path.endsWith(suffix_)) return false;
    ++failures_;
    return true;
  }

  QString suffix_;
  bool failing_ = false;
  int failures_ = 0;
};
