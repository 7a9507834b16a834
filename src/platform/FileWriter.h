#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Writing whole files so that a reader only ever finds the old file or the
// new one. Every file the program writes goes through here.
namespace files {

struct Resolved;

class IFileWriter {
 public:
  virtual ~IFileWriter() = default;

  // Replaces the file at the file-system path `path` by `bytes`. A symbolic
  // link there is followed when it leads to a regular file, which is then
  // replaced; a link that leads nowhere is replaced itself. True only when
  // the whole new content is on disk under that name. False when `path` (or
  // the file a link leads to) is anything but a regular file (a device, a
  // pipe, a folder: it is left alone), or when any step fails (the folder
  // refuses a new file, a write or the flush to disk fails, as on a full
  // disk or past a file-size limit, the rename fails): the file is then as
  // it was, or still absent, and no temporary file is left.
  virtual bool write(const QString& path, const QByteArray& bytes) = 0;

  // The same with the content of `source`, open for reading, read to its end
  // (a copy); false also when reading it fails.
  virtual bool write(const QString& path, QIODevice& source) = 0;

  // As write, for a file of a folder others may fill too: false, and
  // nothing written anywhere, also when a link at `path` leads out of
  // `folder` (links followed).
  virtual bool writeInside(const QString& folder, const QString& path, const QByteArray& bytes) = 0;
};

// The real writer: a temporary file beside the target (named by
// temporaryName), every write checked, flushed and synced to disk, then
// renamed over the target, keeping the target's permissions. A failure is
// logged with its reason.
class DiskFileWriter final : public IFileWriter {
 public:
  // A file-size limit then makes a write fail (and be reported) instead of
  // ending the program with SIGXFSZ.
  DiskFileWriter();

  bool write(const QString& path, const QByteArray& bytes) override;
  bool write(const QString& path, QIODevice& source) override;
  bool writeInside(const QString& folder, const QString& path, const QByteArray& bytes) override;

 private:
  static bool writeTo(const Resolved& target, const QString& path, QIODevice& source);
};

// The program's one real writer.
IFileWriter& disk();

// The name of a temporary file for the target `fileName` (no folder):
// ".<fileName>.<six letters or digits>.minivocabra-tmp", which no other
// program makes.
QString temporaryName(const QString& fileName);
// Whether `fileName` (no folder) has that form.
bool isTemporaryName(const QString& fileName);

// Removes from `folder` the files of temporaryName's form that were last
// written more than a minute ago: what a write ended by a crash or a kill left
// behind (a write under way touches its file all along). Any other file is
// left alone. The number removed.
int removeStaleTemporaries(const QString& folder);

}  // namespace files
