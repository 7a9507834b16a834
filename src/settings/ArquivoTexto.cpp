#include "ArquivoTexto.h"

#include "ProgramPaths.h"
#include "RegularFile.h"
#include "StoredText.h"

namespace modCSS {

QString LeArquivoTexto(const QString& caminho) {
  const QString arquivo = paths::toFileSystem(caminho);
  const files::ReadResult lido = files::readRegular(arquivo);
  if (lido.status != files::ReadStatus::Read) {
    throw ErroArquivo("cannot read " + arquivo.toStdString() + ": missing, unreadable or not a regular file", arquivo);
  }
  return storedtext::decode(lido.bytes);
}

void GravaArquivoTexto(const QString& caminho, const QString& texto, files::IFileWriter& gravador) {
  const QString arquivo = paths::toFileSystem(caminho);
  if (!gravador.write(arquivo, storedtext::encode(texto))) {
    throw ErroArquivo("cannot write " + arquivo.toStdString(), arquivo);
  }
}

}  // namespace modCSS
