#include "ArquivoNota.h"

#include "Ansi.h"
#include "MarcasNotas.h"
#include "ProgramPaths.h"

#include <QFile>

namespace ArquivoNota {
namespace {

const QString kFimLinha = QStringLiteral("\r\n");

}  // namespace

QString caminho(const QString& pasta, std::int32_t id) {
  const QString numero = (QStringLiteral("0000000") + QString::number(id)).right(6);
  return paths::toFileSystem(pasta + QStringLiteral("\\id") + numero + QStringLiteral(".txt"));
}

QString le(const QString& pasta, std::int32_t id) {
  QFile file(caminho(pasta, id));
  if (!file.exists()) return QString();
  if (!file.open(QIODevice::ReadOnly)) throw ErroNotas("cannot read " + file.fileName().toStdString());
  const QString conteudo = ansi::toUnicode(file.readAll());
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

void grava(const QString& pasta, std::int32_t id, const QString& texto, files::IFileWriter& gravador) {
  // A note read back ends in CR LF already; adding another on every save
  // would grow it by a blank line each time it is edited.
  const QString completo = texto.endsWith(kFimLinha) ? texto : texto + kFimLinha;
  const QByteArray bytes = ansi::fromUnicode(completo);
  const QString arquivo = caminho(pasta, id);
  if (!gravador.write(arquivo, bytes)) throw ErroNotas("cannot write " + arquivo.toStdString());
}

void apaga(const QString& pasta, std::int32_t id) {
  QFile file(caminho(pasta, id));
  if (file.exists() && !file.remove()) throw ErroNotas("cannot remove " + file.fileName().toStdString());
}

}  // namespace ArquivoNota
