#pragma once

#include "FonteDicionario.h"

#include <QString>

#include <string>
#include <vector>

namespace dicionario {

// Writes the database of a data folder from a source whose entries are in id
// order (entry i has id i and search key chaves[i]) and whose conjugation
// references are resolved.
class EscritorBase final {
 public:
  // Creates and fills the database file `arquivo`, which must not exist.
  // False with erro() on any failure; the caller then discards the file.
  bool escreve(const QString& arquivo, const Fonte& fonte, const std::vector<std::string>& chaves);
  const QString& erro() const { return erro_; }

 private:
  QString erro_;
};

}  // namespace dicionario
