#pragma once

#include "ConteudoVerbete.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The dictionary source as the data builder reads it (its format is
// described in data/README.md).
namespace dicionario {

// Where and why a source is malformed.
struct ErroFonte {
  QString arquivo;
  int linha = 0;  // from 1; 0 when no one line is at fault
  QString motivo;
  // "file:line: reason" (or "file: reason").
  QString mensagem() const;
};

struct VerbeteFonte {
  QString palavra;
  int homografo = 0;  // 0: none
  ConteudoVerbete conteudo;
  std::uint16_t classes = 0;  // bit c for filter code c
  QStringList formas;
  QString conjugacao;        // spec, character 160, forms; "" when none
  QString conjugacaoComo;    // the headword whose conjugation this one shares
  QString arquivo;
  int linha = 0;             // of the "verbete:" line
  int linhaConjugacao = 0;
  // The headword as the program sees it: the word, then character 160 and
  // the homograph number when there is one.
  QString titulo() const;
};

struct AbreviaturaFonte {
  QString texto;
  QStringList significados;
};

struct InfoFonte {
  QString textoVersao;  // shown on the version page
  QString empresa;      // the company-name label
  QString versao;       // at most 15 characters, for dic030.dat
  QString codigo;       // at most 15 characters, for dic030.dat
};

struct Fonte {
  bool temInfo = false;
  InfoFonte info;
  std::vector<VerbeteFonte> verbetes;
  std::vector<AbreviaturaFonte> abreviaturas;
};

// Reads source files. Records are runs of "field: value" lines separated by
// blank lines; "#" starts a comment line.
class LeitorFonte final {
 public:
  // Adds the records of file `arquivo` (UTF-8) to `fonte`. False at the
  // first malformed record, with erro() naming file, line and reason;
  // `fonte` then holds the records before it.
  bool le(const QString& arquivo, Fonte& fonte);
  // The same for a text already in memory, `nome` standing for its file.
  bool leTexto(const QString& nome, const QString& texto, Fonte& fonte);

  const ErroFonte& erro() const { return erro_; }

 private:
  ErroFonte erro_;
};

}  // namespace dicionario
