#include "ArquivoTexto.h"

#include "Ansi.h"
#include "ProgramPaths.h"

#include <QFile>

namespace modCSS {

QString LeArquivoTexto(const QString& caminho) {
  QFile arquivo(paths::toFileSystem(caminho));
  if (!arquivo.open(QIODevice::ReadOnly)) {
    throw ErroArquivo("cannot read " + arquivo.fileName().toStdString() + ": " + arquivo.errorString().toStdString(),
                      arquivo.fileName());
  }
  return ansi::toUnicode(arquivo.readAll());
}

void GravaArquivoTexto(const QString& caminho, const QString& texto, files::IFileWriter& gravador) {
  const QString arquivo = paths::toFileSystem(caminho);
  if (!gravador.write(arquivo, ansi::fromUnicode(texto))) {
    throw ErroArquivo("cannot write " + arquivo.toStdString(), arquivo);
  }
}

}  // namespace modCSS
