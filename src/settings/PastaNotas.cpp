#include "PastaNotas.h"

#include "FileWriter.h"
#include "ProgramPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PastaNotas {
namespace {

constexpr int kMensagemNaoCriada = 892;
constexpr int kMensagemSemGravacao = 893;

// Whether a new file can be made in `pasta`: one is made and removed at
// once. Its name is one the program's clean-up knows, should it stay.
bool aceitaArquivos(const QString& pasta) {
  QFile teste(pasta + u'/' + files::temporaryName(QStringLiteral("notas.dat")));
  if (!teste.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
  teste.close();
  teste.remove();
  return true;
}

}  // namespace

Situacao Prepara(const QString& pasta) {
  const QString caminho = paths::toFileSystem(pasta);
  // mkpath refuses a path that holds a file or a dangling link, too.
  if (!QFileInfo(caminho).isDir() && !QDir().mkpath(caminho)) return Situacao::NaoCriada;
  return aceitaArquivos(caminho) ? Situacao::Pronta : Situacao::SemGravacao;
}

bool Ausente(const QString& pasta) { return !QFileInfo::exists(paths::toFileSystem(pasta)); }

int Mensagem(Situacao situacao) {
  return situacao == Situacao::NaoCriada ? kMensagemNaoCriada : kMensagemSemGravacao;
}

}  // namespace PastaNotas
