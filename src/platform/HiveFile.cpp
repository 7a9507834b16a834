#include "HiveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace reg {

HiveFile::HiveFile(QString path, QByteArray rootName, Reporter report, files::IFileWriter& writer)
    : path_(std::move(path)), rootName_(std::move(rootName)), report_(std::move(report)), writer_(&writer) {}

RegistryHive HiveFile::load() {
  QFile file(path_);
  if (!file.exists()) return RegistryHive(rootName_);
  if (!file.open(QIODevice::ReadOnly)) {
    readOnly_ = true;
    if (report_) report_(QStringLiteral("Não foi possível ler o registro %1: %2").arg(path_, file.errorString()));
    return RegistryHive(rootName_);
  }
  const QByteArray text = file.readAll();
  file.close();
  if (text.trimmed().isEmpty()) return RegistryHive(rootName_);

  QString error;
  std::optional<RegistryHive> hive = RegistryHive::parse(rootName_, text, &error);
  if (hive) return std::move(*hive);
  setAside(error);
  return RegistryHive(rootName_);
}

void HiveFile::setAside(const QString& why) {
  QString aside = path_ + QStringLiteral(".ilegivel");
  for (int n = 2; QFileInfo::exists(aside); ++n) aside = path_ + QStringLiteral(".ilegivel%1").arg(n);
  const bool moved = QFile::rename(path_, aside);
  readOnly_ = !moved;
  if (!report_) return;
  if (moved) {
    report_(QStringLiteral("O registro %1 está danificado (%2) e foi guardado como %3; "
                           "as configurações voltam aos valores padrão.")
                .arg(path_, why, aside));
  } else {
    report_(QStringLiteral("O registro %1 está danificado (%2) e não pôde ser guardado à parte; "
                           "ele não será alterado nesta execução.")
                .arg(path_, why));
  }
}

bool HiveFile::save(const RegistryHive& hive) {
  if (readOnly_) return false;
  const QFileInfo info(path_);
  if (!QDir().mkpath(info.absolutePath())) return false;
  return writer_->write(path_, hive.toRegedit4());
}

}  // namespace reg
