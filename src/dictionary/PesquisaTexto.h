#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace dicionario {

class ConexaoSqlite;
class IndicePalavras;
class Mascara;

// The search through the text of the entries, over the full-text index.
// Words are compared by search key (accents and case do not count) and
// whole: "casa" does not find "casamento".
class PesquisaTexto final {
 public:
  // Both must outlive this object.
  PesquisaTexto(const ConexaoSqlite& conexao, const IndicePalavras& indice);

  // The ids, ascending, of the entries whose text matches `consulta`: items
  // separated by blanks, each with any leading "+" dropped, all of which
  // must match. An item without "*" matches when every word of it occurs
  // ("guarda-chuva" needs "guarda" and "chuva"); an item with "*" is a mask
  // that some word of the text must match ("pre*", "*ção", "a*o"); "*" alone
  // matches every entry. Items that hold no letter or digit are left out; a
  // query left with no item finds nothing.
  std::vector<std::int32_t> pesquisa(const QString& consulta) const;

 private:
  std::vector<std::int32_t> idsDaExpressao(const QString& expressao) const;
  std::vector<std::int32_t> idsDaMascara(const Mascara& mascara) const;
  std::vector<std::int32_t> todos() const;

  const ConexaoSqlite& conexao_;
  const IndicePalavras& indice_;
};

}  // namespace dicionario
