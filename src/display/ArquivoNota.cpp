#include "ArquivoNota.h"

#include "ArquivoNaPasta.h"
#include "ErroNotas.h"
#include "ProgramPaths.h"
#include "StoredText.h"

#include <QFile>

#include <cerrno>

#include <unistd.h>

namespace ArquivoNota {
namespace {

const QString kFimLinha = QStringLiteral("\r\n");

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
  const std::optional<QByteArray> bytes = ArquivoNaPasta::le(paths::toFileSystem(pasta), caminho(pasta, id));
  return linhas(storedtext::decode(bytes.value_or(QByteArray())));
}

void grava(const QString& pasta, std::int32_t id, const QString& texto, files::IFileWriter& gravador) {
  // A note read back ends in CR LF already; adding another on every save
  // would grow it by a blank line each time it is edited.
  const QString completo = texto.endsWith(kFimLinha) ? texto : texto + kFimLinha;
  ArquivoNaPasta::grava(gravador, paths::toFileSystem(pasta), caminho(pasta, id), storedtext::encode(completo));
}

void apaga(const QString& pasta, std::int32_t id) {
  const QString arquivo = caminho(pasta, id);
  if (::unlink(QFile::encodeName(arquivo).constData()) != 0 && errno != ENOENT) {
    throw ErroNotas("cannot remove " + arquivo.toStdString());
  }
}

}  // namespace ArquivoNota
