// A second program on a notes folder, for the tests of a shared folder:
//   grava_notas_auxiliar <folder> <first id> <step> <count>
// loads the folder, says "pronto" on its output and waits for a line on its
// input, then saves a note for each id as the note box does. It ends with
// the number of messages it had to show (0: every note saved), printing
// them on its error output.

#include "NotasFixture.h"

#include <QApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 5) {
    std::fprintf(stderr, "usage: %s <folder> <first id> <step> <count>\n", argv[0]);
    return 100;
  }
  Programa programa(args[1]);
  programa.notas.LeArquivo();

  std::printf("pronto\n");
  std::fflush(stdout);
  std::string linha;
  std::getline(std::cin, linha);

  const int primeiro = args[2].toInt();
  const int passo = args[3].toInt();
  const int quantos = args[4].toInt();
  for (int i = 0; i < quantos; ++i) {
    const int id = primeiro + i * passo;
    programa.anota(id, QStringLiteral("nota %1").arg(id));
  }
  const QStringList mensagens = programa.dialogos.prompts();
  for (const QString& mensagem : mensagens) std::fprintf(stderr, "%s\n", qPrintable(mensagem));
  return static_cast<int>(mensagens.size());
}
