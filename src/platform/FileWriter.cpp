#include "FileWriter.h"

#include "RegularFile.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

constexpr char kSuffix[] = ".minivocabra-tmp";
constexpr int kStaleSeconds = 60;

QString randomTag() {
  static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  QString tag;
  for (int i = 0; i < 6; ++i) tag += QLatin1Char(kChars[QRandomGenerator::global()->bounded(62)]);
  return tag;
}

// One write under way: the temporary file, removed unless committed.
class Temporary final {
 public:
  explicit Temporary(QString target) : target_(std::move(target)) {}
  ~Temporary() {
    if (!committed_ && file_.isOpen()) file_.close();
    if (!committed_ && !file_.fileName().isEmpty()) QFile::remove(file_.fileName());
  }
  Q_DISABLE_COPY_MOVE(Temporary)

  bool create() {
    const QFileInfo info(target_);
    for (int attempt = 0; attempt < 16; ++attempt) {
      const QString name = info.absolutePath() + u'/' + temporaryName(info.fileName());
      if (QFileInfo::exists(name)) continue;
      file_.setFileName(name);
      // Unbuffered: each write reaches the file system at once, so a full
      // disk fails the write that meets it.
      if (file_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) return true;
      file_.setFileName(QString());
      return fail("create a temporary file in", info.absolutePath());
    }
    return fail("find a free temporary name in", info.absolutePath());
  }

  bool append(const char* data, qint64 size) {
    errno = 0;
    if (file_.write(data, size) == size) return true;
    return fail("write", file_.fileName(), errno != 0 ? std::strerror(errno) : nullptr);
  }

  // Flush, sync to disk, keep the old file's permissions, close, rename.
  bool commit() {
    if (!file_.flush()) return fail("flush", file_.fileName());
    if (::fsync(file_.handle()) != 0 && errno != EINVAL && errno != ENOTSUP)
      return fail("sync", file_.fileName(), std::strerror(errno));
    // The mode bits as they are (QFileInfo's permissions mix in what this
    // user may do, which for root is everything).
    struct stat old {};
    if (::stat(QFile::encodeName(target_).constData(), &old) == 0 && ::fchmod(file_.handle(), old.st_mode & 07777) != 0)
      return fail("set the permissions of", file_.fileName(), std::strerror(errno));
    file_.close();
    if (file_.error() != QFileDevice::NoError) return fail("close", file_.fileName());
    // rename(2) replaces the target in one step; QFile::rename would refuse
    // an existing target.
    if (std::rename(QFile::encodeName(file_.fileName()).constData(), QFile::encodeName(target_).constData()) != 0)
      return fail("rename over", target_, std::strerror(errno));
    committed_ = true;
    return true;
  }

 private:
  bool fail(const char* step, const QString& what, const char* reason = nullptr) const {
    qWarning("writing %s: cannot %s %s: %s", qPrintable(target_), step, qPrintable(what),
             reason != nullptr ? reason : qPrintable(file_.errorString()));
    return false;
  }

  QString target_;
  QFile file_;
  bool committed_ = false;
};

}  // namespace

DiskFileWriter::DiskFileWriter() { std::signal(SIGXFSZ, SIG_IGN); }

bool DiskFileWriter::write(const QString& path, const QByteArray& bytes) { return writeInside(QString(), path, bytes); }

bool DiskFileWriter::write(const QString& path, QIODevice& source) { return writeTo(resolve(path), path, source); }

bool DiskFileWriter::writeInside(const QString& folder, const QString& path, const QByteArray& bytes) {
  QBuffer source;
  source.setData(bytes);
  source.open(QIODevice::ReadOnly);
  return writeTo(resolve(path, folder), path, source);
}

// The file a link leads to is replaced in one rename of its own name, so a
// link put there meanwhile is itself replaced and never followed.
bool DiskFileWriter::writeTo(const Resolved& target, const QString& path, QIODevice& source) {
  if (target.kind == Kind::Refused) {
    qWarning("writing %s: not a regular file, or a link that leads where this file may not be written",
             qPrintable(path));
    return false;
  }
  Temporary temporary(target.path);
  if (!temporary.create()) return false;
  std::array<char, 1 << 16> block{};
  for (;;) {
    const qint64 got = source.read(block.data(), block.size());
    if (got < 0) {
      qWarning("writing %s: cannot read its source: %s", qPrintable(path), qPrintable(source.errorString()));
      return false;
    }
    if (got == 0) break;
    if (!temporary.append(block.data(), got)) return false;
  }
  return temporary.commit();
}

IFileWriter& disk() {
  static DiskFileWriter writer;
  return writer;
}

QString temporaryName(const QString& fileName) {
  return u'.' + fileName + u'.' + randomTag() + QLatin1String(kSuffix);
}

bool isTemporaryName(const QString& fileName) {
  static const QRegularExpression pattern(QStringLiteral(R"(^\..+\.[A-Za-z0-9]{6}\.minivocabra-tmp$)"));
  return pattern.match(fileName).hasMatch();
}

int removeStaleTemporaries(const QString& folder) {
  const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-kStaleSeconds);
  int removed = 0;
  const QFileInfoList entries =
      QDir(folder).entryInfoList({u'*' + QLatin1String(kSuffix)}, QDir::Files | QDir::Hidden | QDir::System);
  for (const QFileInfo& entry : entries) {
    if (!isTemporaryName(entry.fileName()) || entry.isSymLink()) continue;
    if (entry.lastModified().toUTC() >= before) continue;
    if (QFile::remove(entry.absoluteFilePath())) ++removed;
  }
  return removed;
}

}  // namespace files
