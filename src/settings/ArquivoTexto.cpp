#include "ArquivoTexto.h"

#include "Ansi.h"
#include "ProgramPaths.h"

#include <QFile>
#include <QSaveFile>

namespace modCSS {

QString LeArquivoTexto(const QString& caminho) {
  QFile arquivo(paths::toFileSystem(caminho));
  if (!arquivo.open(QIODevice::ReadOnly)) {
    throw ErroArquivo("cannot read " + arquivo.fileName().toStdString() + ": " + arquivo.errorString().toStdString(),
                      arquivo.fileName());
  }
  return ansi::toUnicode(arquivo.readAll());
}

void GravaArquivoTexto(const QString& caminho, const QString& texto) {
  QSaveFile arquivo(paths::toFileSystem(caminho));
  const QByteArray bytes = ansi::fromUnicode(texto);
  if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(bytes) != bytes.size() || !arquivo.commit()) {
    throw ErroArquivo("cannot write " + arquivo.fileName().toStdString() + ": " + arquivo.errorString().toStdString(),
                      arquivo.fileName());
  }
}

}  // namespace modCSS
