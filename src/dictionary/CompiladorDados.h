#pragma once

#include "FonteDicionario.h"

#include <QString>

namespace dicionario {

// Turns a read source into a data folder: orders the entries into ids,
// resolves the shared conjugations, writes the database and dic030.dat.
class CompiladorDados final {
 public:
  struct Resumo {
    int verbetes = 0;
    int abreviaturas = 0;
    int verbos = 0;  // entries with conjugation data
  };

  // Makes the data folder `destino` from `fonte`, replacing any folder there.
  // Everything is written into a temporary folder beside it first and renamed
  // into place at the end, so a failure leaves `destino` as it was. False
  // with erro() when the source is unfit (no entries or no 'dicionario'
  // record, two entries with one headword and homograph number, a
  // conjugation shared from an unknown verb) or writing fails.
  bool compila(Fonte fonte, const QString& destino);

  const ErroFonte& erro() const { return erro_; }
  const Resumo& resumo() const { return resumo_; }

 private:
  bool ordena(Fonte& fonte, std::vector<std::string>& chaves);
  bool resolveConjugacoes(Fonte& fonte);
  bool escreveEm(const QString& pasta, const Fonte& fonte, const std::vector<std::string>& chaves);

  ErroFonte erro_;
  Resumo resumo_;
};

}  // namespace dicionario
