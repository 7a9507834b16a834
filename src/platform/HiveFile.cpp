#include "HiveFile.h"

#include "Regedit4Parser.h"
#include "RegularFile.h"
#include "ResourceStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace reg {

HiveFile::HiveFile(QString path, QByteArray rootName, Reporter report, files::IFileWriter& writer)
    : path_(std::move(path)), rootName_(std::move(rootName)), report_(std::move(report)), writer_(&writer) {}

namespace {

// Why the file is damaged, as the message says it.
QString describe(const regedit4::ParseError& error) {
  using Kind = regedit4::ParseError::Kind;
  QString text;
  switch (error.kind) {
    case Kind::NoHeader: text = LoadResString(865); break;
    case Kind::UnclosedKey: text = LoadResString(866); break;
    case Kind::ForeignKey: text = LoadResString(867); break;
    case Kind::ValueBeforeKey: text = LoadResString(868); break;
    case Kind::BadValueName: text = LoadResString(869); break;
    case Kind::NoEquals: text = LoadResString(870); break;
    case Kind::ContinuedAtEnd: text = LoadResString(871); break;
    case Kind::BadData: text = LoadResString(872); break;
  }
  return text.arg(error.line);
}

}  // namespace

RegistryHive HiveFile::load() {
  const QFileInfo info(path_);
  files::removeStaleTemporaries(info.absolutePath());
  if (!info.exists()) return RegistryHive(rootName_);  // never written: no settings yet
  // Only a regular file is read (a pipe would block the start).
  const files::ReadResult contents = files::readRegular(path_);
  if (contents.status != files::ReadStatus::Read) {
    readOnly_ = true;
    if (report_) report_(LoadResString(862).arg(path_));
    return RegistryHive(rootName_);
  }
  const QByteArray& text = contents.bytes;

  // The program always writes a whole file ending in a line break: an empty
  // one, or one that stops inside a line, was cut short.
  if (text.trimmed().isEmpty()) return setAside(LoadResString(863));
  if (!text.endsWith('\n')) return setAside(LoadResString(864));
  regedit4::ParseError error;
  std::optional<RegistryHive> hive = RegistryHive::parse(rootName_, text, &error);
  if (hive) return std::move(*hive);
  return setAside(describe(error));
}

RegistryHive HiveFile::setAside(const QString& why) {
  QString aside = path_ + QStringLiteral(".ilegivel");
  for (int n = 2; QFileInfo::exists(aside); ++n) aside = path_ + QStringLiteral(".ilegivel%1").arg(n);
  const bool moved = QFile::rename(path_, aside);
  readOnly_ = !moved;
  if (report_) report_(moved ? LoadResString(860).arg(path_, why, aside) : LoadResString(861).arg(path_, why));
  return RegistryHive(rootName_);
}

bool HiveFile::save(const RegistryHive& hive) {
  if (readOnly_) return false;
  const QFileInfo info(path_);
  if (!QDir().mkpath(info.absolutePath())) return false;
  return writer_->write(path_, hive.toRegedit4());
}

}  // namespace reg
