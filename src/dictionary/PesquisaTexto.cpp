#include "PesquisaTexto.h"

#include "ConexaoSqlite.h"
#include "IndicePalavras.h"
#include "Mascara.h"
#include "TermosTexto.h"

#include <QRegularExpression>

#include <algorithm>
#include <numeric>
#include <optional>

namespace dicionario {
namespace {

// Words of the text index go to the full-text engine this many at a time
// when a mask matches many of them.
constexpr std::size_t kTermosPorConsulta = 200;

QString citado(QStringView termo) {
  QString s = termo.toString();
  s.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return u'"' + s + u'"';
}

// Whether the index's tokenizer keeps `prefixo` whole, so the engine's own
// prefix search gives the same words as matching the word list.
bool prefixoInteiro(const QString& prefixo) {
  return !prefixo.isEmpty() && std::all_of(prefixo.begin(), prefixo.end(), [](QChar c) {
           return c.unicode() >= 128 || c.isLetterOrNumber() || c == u'-';
         });
}

std::vector<std::int32_t> intersecao(const std::vector<std::int32_t>& a, const std::vector<std::int32_t>& b) {
  std::vector<std::int32_t> saida;
  std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(saida));
  return saida;
}

}  // namespace

PesquisaTexto::PesquisaTexto(const ConexaoSqlite& conexao, const IndicePalavras& indice)
    : conexao_(conexao), indice_(indice) {}

std::vector<std::int32_t> PesquisaTexto::pesquisa(const QString& consulta) const {
  static const QRegularExpression brancos(QStringLiteral("\\s+"));
  QStringList palavras;
  std::vector<Mascara> mascaras;
  bool algumItem = false;
  for (QString item : consulta.split(brancos, Qt::SkipEmptyParts)) {
    while (item.startsWith(u'+')) item.remove(0, 1);
    if (item.contains(u'*')) {
      mascaras.emplace_back(item);
      algumItem = true;
    } else if (const QStringList termos = termosDoTexto(item); !termos.isEmpty()) {
      palavras += termos;
      algumItem = true;
    }
  }
  if (!algumItem) return {};
  std::optional<std::vector<std::int32_t>> ids;
  if (!palavras.isEmpty()) {
    QStringList citados;
    for (const QString& p : palavras) citados.append(citado(p));
    ids = idsDaExpressao(citados.join(QStringLiteral(" AND ")));
  }
  for (const Mascara& m : mascaras) {
    if (m.tudo() || (ids && ids->empty())) continue;
    std::vector<std::int32_t> daMascara = idsDaMascara(m);
    ids = ids ? intersecao(*ids, daMascara) : std::move(daMascara);
  }
  return ids ? std::move(*ids) : todos();
}

std::vector<std::int32_t> PesquisaTexto::idsDaExpressao(const QString& expressao) const {
  ComandoSqlite comando(conexao_, "SELECT rowid FROM texto WHERE texto MATCH ?");
  comando.liga(1, expressao);
  std::vector<std::int32_t> ids;
  while (comando.proxima()) {
    const qint64 id = comando.inteiro(0);
    if (indice_.valido(static_cast<std::int32_t>(id))) ids.push_back(static_cast<std::int32_t>(id));
  }
  if (!std::is_sorted(ids.begin(), ids.end())) std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  return ids;
}

std::vector<std::int32_t> PesquisaTexto::idsDaMascara(const Mascara& mascara) const {
  const QString prefixo = QString::fromStdString(mascara.prefixo());
  if (mascara.soPrefixo() && prefixoInteiro(prefixo)) return idsDaExpressao(citado(prefixo) + u'*');
  const std::vector<qsizetype> termos = mascara.seleciona(indice_.termos());
  std::vector<char> marcados(static_cast<std::size_t>(indice_.total()), 0);
  for (std::size_t i = 0; i < termos.size(); i += kTermosPorConsulta) {
    QStringList citados;
    for (std::size_t j = i; j < termos.size() && j < i + kTermosPorConsulta; ++j) {
      citados.append(citado(indice_.termos().textoEm(termos[j])));
    }
    for (const std::int32_t id : idsDaExpressao(citados.join(QStringLiteral(" OR ")))) marcados[id] = 1;
  }
  std::vector<std::int32_t> ids;
  for (std::size_t id = 0; id < marcados.size(); ++id) {
    if (marcados[id] != 0) ids.push_back(static_cast<std::int32_t>(id));
  }
  return ids;
}

std::vector<std::int32_t> PesquisaTexto::todos() const {
  std::vector<std::int32_t> ids(static_cast<std::size_t>(indice_.total()));
  std::iota(ids.begin(), ids.end(), 0);
  return ids;
}

}  // namespace dicionario
