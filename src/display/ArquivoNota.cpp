#include "ArquivoNota.h"

#include "ErroNotas.h"
#include "ProgramPaths.h"
#include "RegularFile.h"
#include "StoredText.h"

#include <QFile>

#include <cerrno>

#include <unistd.h>

namespace ArquivoNota {
namespace {

const QString kFimLinha = QStringLiteral("\r\n");

[[noreturn]] void recusa(const QString& arquivo) {
  throw ErroNotas("not a regular file of the notes folder: " + arquivo.toStdString(),
                  ErroNotas::Causa::ArquivoRecusado, arquivo);
}

// The note's bytes; empty when there is no note file.
QByteArray bytesDaNota(const QString& pasta, const QString& arquivo) {
  const files::Resolved alvo = files::resolve(arquivo, pasta);
  if (alvo.kind == files::Kind::Refused) recusa(arquivo);
  if (alvo.kind == files::Kind::Missing) return {};
  files::ReadResult lido = files::readRegular(alvo.path);
  switch (lido.status) {
    case files::ReadStatus::Read:
      return std::move(lido.bytes);
    case files::ReadStatus::Missing:
      return {};
    case files::ReadStatus::NotRegular:
      recusa(arquivo);
    case files::ReadStatus::Failed:
      break;
  }
  throw ErroNotas("cannot read " + arquivo.toStdString());
}

// Each line followed by CR LF, whatever ended it.
QString linhas(const QString& conteudo) {
  QString texto;
  QString linha;
  bool linhaAberta = false;
  for (qsizetype i = 0; i < conteudo.size(); ++i) {
    const QChar c = conteudo[i];
    if (c != u'\r' && c != u'\n') {
      linha += c;
      linhaAberta = true;
      continue;
    }
    texto += linha + kFimLinha;
    linha.clear();
    linhaAberta = false;
    if (c == u'\r' && i + 1 < conteudo.size() && conteudo[i + 1] == u'\n') ++i;
  }
  if (linhaAberta) texto += linha + kFimLinha;
  return texto;
}

}  // namespace

QString caminho(const QString& pasta, std::int32_t id) {
  const QString numero = (QStringLiteral("0000000") + QString::number(id)).right(6);
  return paths::toFileSystem(pasta + QStringLiteral("\\id") + numero + QStringLiteral(".txt"));
}

QString le(const QString& pasta, std::int32_t id) {
  return linhas(storedtext::decode(bytesDaNota(paths::toFileSystem(pasta), caminho(pasta, id))));
}

void grava(const QString& pasta, std::int32_t id, const QString& texto, files::IFileWriter& gravador) {
  // A note read back ends in CR LF already; adding another on every save
  // would grow it by a blank line each time it is edited.
  const QString completo = texto.endsWith(kFimLinha) ? texto : texto + kFimLinha;
  const QString pastaArquivos = paths::toFileSystem(pasta);
  const QString arquivo = caminho(pasta, id);
  if (gravador.writeInside(pastaArquivos, arquivo, storedtext::encode(completo))) return;
  if (files::resolve(arquivo, pastaArquivos).kind == files::Kind::Refused) recusa(arquivo);
  throw ErroNotas("cannot write " + arquivo.toStdString());
}

void apaga(const QString& pasta, std::int32_t id) {
  const QString arquivo = caminho(pasta, id);
  if (::unlink(QFile::encodeName(arquivo).constData()) != 0 && errno != ENOENT) {
    throw ErroNotas("cannot remove " + arquivo.toStdString());
  }
}

}  // namespace ArquivoNota
