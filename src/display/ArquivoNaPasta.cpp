#include "ArquivoNaPasta.h"

#include "ErroNotas.h"
#include "RegularFile.h"

namespace ArquivoNaPasta {
namespace {

[[noreturn]] void recusa(const QString& arquivo) {
  throw ErroNotas("not a regular file of the notes folder: " + arquivo.toStdString(),
                  ErroNotas::Causa::ArquivoRecusado, arquivo);
}

}  // namespace

std::optional<QByteArray> le(const QString& pasta, const QString& arquivo, qint64 maximo) {
  const files::Resolved alvo = files::resolve(arquivo, pasta);
  if (alvo.kind == files::Kind::Refused) recusa(arquivo);
  if (alvo.kind == files::Kind::Missing) return std::nullopt;
  files::ReadResult lido = files::readRegular(alvo.path, maximo);
  switch (lido.status) {
    case files::ReadStatus::Read:
      return std::move(lido.bytes);
    case files::ReadStatus::Missing:
      return std::nullopt;
    case files::ReadStatus::NotRegular:
      recusa(arquivo);
    case files::ReadStatus::Failed:
      break;
  }
  throw ErroNotas("cannot read " + arquivo.toStdString());
}

void grava(files::IFileWriter& gravador, const QString& pasta, const QString& arquivo, const QByteArray& bytes) {
  if (gravador.writeInside(pasta, arquivo, bytes)) return;
  if (files::resolve(arquivo, pasta).kind == files::Kind::Refused) recusa(arquivo);
  throw ErroNotas("cannot write " + arquivo.toStdString());
}

}  // namespace ArquivoNaPasta
