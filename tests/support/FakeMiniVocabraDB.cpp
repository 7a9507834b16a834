#include "FakeMiniVocabraDB.h"

#include <algorithm>
#include <stdexcept>

FakeMiniVocabraDB::FakeMiniVocabraDB(std::vector<QString> palavras) : palavras_(std::move(palavras)) {}

std::vector<QString> FakeMiniVocabraDB::Alfabeto(const std::map<char, int>& porLetra) {
  std::vector<QString> palavras;
  for (const auto& [letra, quantas] : porLetra) {
    for (int i = 0; i < quantas; ++i) {
      palavras.push_back(QLatin1Char(letra) + QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0')));
    }
  }
  return palavras;
}

void FakeMiniVocabraDB::Registra(const QString& chamada) {
  if (!falhaEm.isEmpty() && chamada.startsWith(falhaEm)) throw std::runtime_error("falha simulada");
  if (registraChamadas) chamadas << chamada;
}

std::pair<std::int32_t, std::int32_t> FakeMiniVocabraDB::Faixa(const QString& prefixo) const {
  const QString chave = prefixo.toLower();
  const auto primeiro = std::lower_bound(palavras_.begin(), palavras_.end(), chave);
  auto fim = primeiro;
  while (fim != palavras_.end() && fim->startsWith(chave)) ++fim;
  return {static_cast<std::int32_t>(primeiro - palavras_.begin()), static_cast<std::int32_t>(fim - palavras_.begin())};
}

void FakeMiniVocabraDB::DefineTamanhoPagina(std::int16_t tamanho) {
  Registra(QStringLiteral("DefineTamanhoPagina(%1)").arg(tamanho));
  tamanhoPagina_ = tamanho;
}

std::int32_t FakeMiniVocabraDB::ObtemPosicaoPalavra(const QString& texto) {
  Registra(QStringLiteral("ObtemPosicaoPalavra(%1)").arg(texto));
  const auto [primeiro, fim] = Faixa(texto);
  return primeiro < fim ? primeiro : -1;
}

std::int32_t FakeMiniVocabraDB::PesquisaMascara(const QString& padrao, QString&, std::int32_t flag) {
  Registra(QStringLiteral("PesquisaMascara(%1,%2)").arg(padrao).arg(flag));
  QString prefixo = padrao;
  prefixo.remove(QLatin1Char('*'));
  const auto [primeiro, fim] = Faixa(prefixo);
  if (flag == 1) {
    inicioLetra_ = primeiro;
    fimLetra_ = fim;
  } else {
    return Resultado(QStringLiteral("mascara:") + padrao);
  }
  return fim - primeiro;
}

std::int32_t FakeMiniVocabraDB::ObtemPagina(std::int16_t modo, std::int32_t inicio, QString& pagina) {
  Registra(QStringLiteral("ObtemPagina(%1,%2)").arg(modo).arg(inicio));
  if (paginador) return paginador(modo, inicio, pagina);
  if (modo == 0) return PaginaResultado(inicio, pagina);
  pagina.clear();
  const std::int32_t de = std::max(inicio, inicioLetra_);
  if (de >= fimLetra_) return -1;
  const std::int32_t ate = std::min(de + paginaFixa.value_or(tamanhoPagina_), fimLetra_);
  for (std::int32_t id = de; id < ate; ++id) {
    pagina += palavras_[static_cast<std::size_t>(id)] + QLatin1Char('|') + QString::number(id) + QLatin1Char('|');
  }
  return ate < fimLetra_ ? ate : -1;
}

std::int32_t FakeMiniVocabraDB::ObtemFormas(const QString& palavra, QString&) {
  Registra(QStringLiteral("ObtemFormas(%1)").arg(palavra));
  return -1;
}
std::int32_t FakeMiniVocabraDB::PesquisaFlexivel(const QString& palavra, std::int32_t, QString&) {
  Registra(QStringLiteral("PesquisaFlexivel(%1)").arg(palavra));
  return Resultado(QStringLiteral("flexivel:") + palavra);
}
std::int32_t FakeMiniVocabraDB::PesquisaReversa(const QString& texto, QString&, std::int32_t, std::int32_t,
                                                std::int32_t& inicio) {
  Registra(QStringLiteral("PesquisaReversa(%1)").arg(texto));
  inicio = 0;
  return Resultado(QStringLiteral("reversa:") + texto);
}

std::int32_t FakeMiniVocabraDB::Resultado(const QString& chave) {
  const auto achado = resultados.find(chave);
  resultado_ = achado == resultados.end() ? std::vector<std::int32_t>() : achado->second;
  return static_cast<std::int32_t>(resultado_.size());
}

std::int32_t FakeMiniVocabraDB::PaginaResultado(std::int32_t inicio, QString& pagina) const {
  pagina.clear();
  const auto total = static_cast<std::int32_t>(resultado_.size());
  const std::int32_t ate = std::min(std::max(inicio, 0) + paginaFixa.value_or(tamanhoPagina_), total);
  for (std::int32_t i = std::max(inicio, 0); i < ate; ++i) {
    const std::int32_t id = resultado_[static_cast<std::size_t>(i)];
    const bool existe = id >= 0 && id < static_cast<std::int32_t>(palavras_.size());
    pagina += (existe ? palavras_[static_cast<std::size_t>(id)] : QString()) + u'|' + QString::number(id) + u'|';
  }
  return ate < total ? ate : -1;
}
QString FakeMiniVocabraDB::ObtemConjugacao(const QString&) { return QString(); }
bool FakeMiniVocabraDB::TemConjugacao(std::int32_t) { return false; }
std::int32_t FakeMiniVocabraDB::ObtemTotalResultados() { return static_cast<std::int32_t>(resultado_.size()); }
void FakeMiniVocabraDB::DefineFiltro(std::int16_t operacao, std::int16_t valor) {
  Registra(QStringLiteral("DefineFiltro(%1,%2)").arg(operacao).arg(valor));
}
QString FakeMiniVocabraDB::ExpandeAbreviatura(const QString& palavra) {
  Registra(QStringLiteral("ExpandeAbreviatura(%1)").arg(palavra));
  const auto achada = abreviaturas.find(palavra);
  return achada == abreviaturas.end() ? QString() : achada->second;
}
QString FakeMiniVocabraDB::ObtemVerbete(std::int32_t id, QString& html, std::int32_t) {
  const auto achado = htmls.find(id);
  html = achado == htmls.end() ? QString() : achado->second;
  return id >= 0 && id < static_cast<std::int32_t>(palavras_.size()) ? palavras_[static_cast<std::size_t>(id)] : QString();
}
bool FakeMiniVocabraDB::AbreDados() { return true; }
QString FakeMiniVocabraDB::ObtemInfoDados() { return QStringLiteral("Dados de teste|Teste"); }
