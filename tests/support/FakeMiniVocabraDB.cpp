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
  }
  return fim - primeiro;
}

std::int32_t FakeMiniVocabraDB::ObtemPagina(std::int16_t modo, std::int32_t inicio, QString& pagina) {
  Registra(QStringLiteral("ObtemPagina(%1,%2)").arg(modo).arg(inicio));
  if (paginador) return paginador(modo, inicio, pagina);
  pagina.clear();
  const std::int32_t de = std::max(inicio, inicioLetra_);
  if (de >= fimLetra_) return -1;
  const std::int32_t ate = std::min(de + paginaFixa.value_or(tamanhoPagina_), fimLetra_);
  for (std::int32_t id = de; id < ate; ++id) {
    pagina += palavras_[static_cast<std::size_t>(id)] + QLatin1Char('|') + QString::number(id) + QLatin1Char('|');
  }
  return ate < fimLetra_ ? ate : -1;
}

std::int32_t FakeMiniVocabraDB::ObtemFormas(const QString&, QString&) { return -1; }
std::int32_t FakeMiniVocabraDB::PesquisaFlexivel(const QString&, std::int32_t, QString&) { return 0; }
std::int32_t FakeMiniVocabraDB::PesquisaReversa(const QString&, QString&, std::int32_t, std::int32_t,
                                                std::int32_t& inicio) {
  inicio = 0;
  return 0;
}
QString FakeMiniVocabraDB::ObtemConjugacao(const QString&) { return QString(); }
bool FakeMiniVocabraDB::TemConjugacao(std::int32_t) { return false; }
std::int32_t FakeMiniVocabraDB::ObtemTotalResultados() { return 0; }
void FakeMiniVocabraDB::DefineFiltro(std::int16_t, std::int16_t) {}
QString FakeMiniVocabraDB::ExpandeAbreviatura(const QString&) { return QString(); }
QString FakeMiniVocabraDB::ObtemVerbete(std::int32_t id, QString& html, std::int32_t) {
  html.clear();
  return id >= 0 && id < static_cast<std::int32_t>(palavras_.size()) ? palavras_[static_cast<std::size_t>(id)] : QString();
}
bool FakeMiniVocabraDB::AbreDados() { return true; }
QString FakeMiniVocabraDB::ObtemInfoDados() { return QStringLiteral("Dados de teste|Teste"); }
