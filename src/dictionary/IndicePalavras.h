#pragma once

#include "ListaTextos.h"

#include <cstdint>
#include <vector>

namespace dicionario {

class ConexaoSqlite;

// The word index, held in memory while the data is open: for every entry id
// its headword and search key (ids are positions in key order) and its
// grammatical classes; and the sorted words of the text index.
class IndicePalavras final {
 public:
  // Reads the index blobs of an open database. False when one is missing or
  // they disagree (lists of different lengths, keys out of order): the data
  // is damaged or of another kind.
  bool carrega(const ConexaoSqlite& conexao, std::int32_t totalEsperado);

  std::int32_t total() const { return static_cast<std::int32_t>(titulos_.tamanho()); }
  bool valido(std::int32_t id) const { return id >= 0 && id < total(); }
  // For a valid id: the raw headword (homograph number after a character
  // 160), its search key (UTF-8), and its class bits (bit c for filter code c).
  QString titulo(std::int32_t id) const { return titulos_.textoEm(id); }
  const ListaTextos& chaves() const { return chaves_; }
  std::uint16_t classes(std::int32_t id) const { return classes_[static_cast<std::size_t>(id)]; }
  const ListaTextos& termos() const { return termos_; }

 private:
  ListaTextos titulos_;
  ListaTextos chaves_;
  ListaTextos termos_;
  std::vector<std::uint16_t> classes_;
};

}  // namespace dicionario
