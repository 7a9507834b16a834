// minivocabra-builder: compiles dictionary source files into a data folder.
//
//   minivocabra-builder SOURCE... FOLDER
//
// Reads every SOURCE (format in data/README.md) and writes FOLDER (the
// database and dic030.dat), replacing what was there only once all is
// written. A malformed record stops it with "file:line: reason" and exit
// status 1; nothing is written then.

#include "CompiladorDados.h"
#include "FonteDicionario.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

namespace {

int falha(const QString& mensagem) {
  std::fprintf(stderr, "minivocabra-builder: %s\n", mensagem.toLocal8Bit().constData());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.size() < 2 || args.contains(QStringLiteral("-h")) || args.contains(QStringLiteral("--help"))) {
    std::fprintf(stderr, "usage: minivocabra-builder SOURCE... FOLDER\n");
    return 2;
  }
  QElapsedTimer relogio;
  relogio.start();
  dicionario::Fonte fonte;
  dicionario::LeitorFonte leitor;
  for (const QString& arquivo : args.mid(0, args.size() - 1)) {
    if (!leitor.le(arquivo, fonte)) return falha(leitor.erro().mensagem());
  }
  dicionario::CompiladorDados compilador;
  if (!compilador.compila(std::move(fonte), args.last())) {
    dicionario::ErroFonte erro = compilador.erro();
    if (erro.arquivo.isEmpty()) erro.arquivo = args.first();
    return falha(erro.mensagem());
  }
  const auto& r = compilador.resumo();
  std::printf("%s: %d entries, %d abbreviations, %d verbs with conjugation (%.1f s)\n",
              args.last().toLocal8Bit().constData(), r.verbetes, r.abreviaturas, r.verbos,
              static_cast<double>(relogio.elapsed()) / 1000.0);
  return 0;
}
