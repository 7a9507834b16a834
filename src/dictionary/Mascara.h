#pragma once

#include "ListaTextos.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace dicionario {

// A pattern over search keys: "*" matches any run of characters, the rest is
// folded to its search key piece by piece ("Pré*ção" is "pre", any run,
// "cao"). A pattern without "*" matches its own key only; one whose pieces
// fold to nothing and that has no "*" matches nothing.
class Mascara final {
 public:
  explicit Mascara(const QString& padrao);

  bool casa(std::string_view chave) const;
  // The positions of the matching texts of an ordered list, ascending. Only
  // the texts that start with the pattern's first piece are looked at.
  std::vector<qsizetype> seleciona(const ListaTextos& ordenada) const;

  // "*", "**", ...: every text.
  bool tudo() const { return curinga_ && partes_.size() == 2 && partes_.front().empty() && partes_.back().empty(); }
  // "pre*": one piece and a final "*".
  bool soPrefixo() const { return curinga_ && partes_.size() == 2 && partes_.back().empty(); }
  const std::string& prefixo() const { return partes_.front(); }

 private:
  std::vector<std::string> partes_;  // folded pieces between the "*"s; empty pieces dropped inside
  bool curinga_ = false;
};

}  // namespace dicionario
