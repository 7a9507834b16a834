#include "TrocaPasta.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace dicionario {
namespace {

QString vizinha(const QString& destino, const QString& sufixo) {
  const QFileInfo info(destino);
  return info.absolutePath() + u'/' + u'.' + info.fileName() + sufixo + QString::number(QCoreApplication::applicationPid());
}

}  // namespace

QString pastaTemporariaPara(const QString& destino) {
  const QFileInfo info(destino);
  if (!QDir().mkpath(info.absolutePath())) return QString();
  const QString temporaria = vizinha(destino, QStringLiteral(".novo-"));
  if (QFileInfo::exists(temporaria)) QDir(temporaria).removeRecursively();
  return QDir().mkdir(temporaria) ? temporaria : QString();
}

bool substituiPasta(const QString& nova, const QString& destino, QString& erro) {
  const QString antiga = vizinha(destino, QStringLiteral(".antigo-"));
  const bool existia = QFileInfo::exists(destino);
  if (existia) {
    if (QFileInfo::exists(antiga)) QDir(antiga).removeRecursively();
    if (!QDir().rename(destino, antiga)) {
      erro = QStringLiteral("cannot move the old folder %1 aside").arg(destino);
      return false;
    }
  }
  if (!QDir().rename(nova, destino)) {
    if (existia) QDir().rename(antiga, destino);
    erro = QStringLiteral("cannot rename %1 to %2").arg(nova, destino);
    return false;
  }
  if (existia) QDir(antiga).removeRecursively();
  return true;
}

}  // namespace dicionario
