#pragma once

#include "IMiniVocabraDB.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <vector>

// A scripted dictionary component: an alphabet of words whose ids are their
// positions, paged as the word lists expect. It records every call (unless
// told not to) and lets a test replace the paging or fix the page size.
class FakeMiniVocabraDB final : public IMiniVocabraDB {
 public:
  // `palavras` in alphabetical order; the id of each is its index.
  explicit FakeMiniVocabraDB(std::vector<QString> palavras);

  // Words "<letter><5-digit number>" with the given count per lower-case
  // letter, in order of the letters.
  static std::vector<QString> Alfabeto(const std::map<char, int>& porLetra);

  // The calls made, as "ObtemPagina(1,88)", in order.
  QStringList chamadas;
  bool registraChamadas = true;
  // A call whose record starts with this throws std::runtime_error.
  QString falhaEm;
  // Rows per page of ObtemPagina; when unset, the last DefineTamanhoPagina.
  std::optional<int> paginaFixa;
  // When set, ObtemPagina answers through it instead.
  std::function<std::int32_t(std::int16_t, std::int32_t, QString&)> paginador;

  // Search results by "mascara:<pattern>", "flexivel:<word>" or
  // "reversa:<text>": the ids the search makes the current result set (no
  // key: an empty set). ObtemPagina(0, ...) pages the current set; the
  // filters are recorded, not applied.
  std::map<QString, std::vector<std::int32_t>> resultados;
  // What ExpandeAbreviatura answers per word ("" for others).
  std::map<QString, QString> abreviaturas;
  // The HTML ObtemVerbete gives per id (none: empty).
  std::map<std::int32_t, QString> htmls;

  const std::vector<QString>& palavras() const { return palavras_; }

  void DefineTamanhoPagina(std::int16_t tamanho) override;
  std::int32_t ObtemFormas(const QString& palavra, QString& lista) override;
  std::int32_t PesquisaFlexivel(const QString& palavra, std::int32_t reservado, QString& buffer) override;
  std::int32_t PesquisaMascara(const QString& padrao, QString& buffer, std::int32_t flag) override;
  std::int32_t PesquisaReversa(const QString& texto, QString& buffer, std::int32_t reservado1,
                               std::int32_t reservado2, std::int32_t& inicio) override;
  std::int32_t ObtemPosicaoPalavra(const QString& texto) override;
  QString ObtemConjugacao(const QString& verbo) override;
  bool TemConjugacao(std::int32_t id) override;
  std::int32_t ObtemTotalResultados() override;
  std::int32_t ObtemPagina(std::int16_t modo, std::int32_t inicio, QString& pagina) override;
  void DefineFiltro(std::int16_t operacao, std::int16_t valor) override;
  QString ExpandeAbreviatura(const QString& palavra) override;
  QString ObtemVerbete(std::int32_t id, QString& html, std::int32_t chave) override;
  bool AbreDados() override;
  QString ObtemInfoDados() override;

 private:
  void Registra(const QString& chamada);
  // The range of ids whose words start with `prefixo`: [first, second).
  std::pair<std::int32_t, std::int32_t> Faixa(const QString& prefixo) const;

  std::vector<QString> palavras_;
  int tamanhoPagina_ = 300;
  std::int32_t inicioLetra_ = 0;
  std::int32_t fimLetra_ = 0;
  std::vector<std::int32_t> resultado_;
  std::int32_t Resultado(const QString& chave);
  std::int32_t PaginaResultado(std::int32_t inicio, QString& pagina) const;
};
