#include "Mascara.h"

#include "NormalizaPalavra.h"

#include <QStringList>

namespace dicionario {

Mascara::Mascara(const QString& padrao) : curinga_(padrao.contains(u'*')) {
  const QStringList pedacos = padrao.split(u'*');
  for (qsizetype i = 0; i < pedacos.size(); ++i) {
    const std::string parte = modMain::NormalizaPalavra(pedacos[i]).toStdString();
    const bool extremo = i == 0 || i + 1 == pedacos.size();
    if (extremo || !parte.empty()) partes_.push_back(parte);
  }
}

bool Mascara::casa(std::string_view chave) const {
  if (!curinga_) return !partes_.front().empty() && chave == partes_.front();
  const std::string& primeira = partes_.front();
  const std::string& ultima = partes_.back();
  if (chave.size() < primeira.size() + ultima.size()) return false;
  if (!chave.starts_with(primeira) || !chave.ends_with(ultima)) return false;
  std::size_t pos = primeira.size();
  const std::size_t limite = chave.size() - ultima.size();
  for (std::size_t i = 1; i + 1 < partes_.size(); ++i) {
    const std::size_t achado = chave.substr(0, limite).find(partes_[i], pos);
    if (achado == std::string_view::npos) return false;
    pos = achado + partes_[i].size();
  }
  return true;
}

std::vector<qsizetype> Mascara::seleciona(const ListaTextos& ordenada) const {
  std::vector<qsizetype> posicoes;
  if (!curinga_ && partes_.front().empty()) return posicoes;
  const auto [de, ate] = curinga_ ? ordenada.faixaComPrefixo(partes_.front()) : ordenada.faixaIgual(partes_.front());
  for (qsizetype i = de; i < ate; ++i) {
    if (casa(ordenada.em(i))) posicoes.push_back(i);
  }
  return posicoes;
}

}  // namespace dicionario
