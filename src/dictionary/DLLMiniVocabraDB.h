#pragma once

#include "FiltroClasses.h"
#include "IMiniVocabraDB.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace dicionario {
class BaseDicionario;
class HtmlVerbete;
class PesquisaTexto;
}  // namespace dicionario

// The dictionary database component over a data folder made by the data
// builder (minivocabra-builder): the SQLite database with its full-text
// index, and dic030.dat. Masks are Mascara's, text searches PesquisaTexto's,
// the entry HTML HtmlVerbete's.
//
// Nothing throws. A failure gives the empty answer that IMiniVocabraDB.h
// documents for the operation. An operation called before AbreDados opens the
// data first, once, as AbreDados would; after a failed opening the data is
// closed and every operation gives its empty answer until AbreDados succeeds.
class DLLMiniVocabraDB final : public IMiniVocabraDB {
 public:
  // `pastaDados`: the data folder, as a program path ("\" or "/").
  explicit DLLMiniVocabraDB(QString pastaDados);
  ~DLLMiniVocabraDB() override;
  Q_DISABLE_COPY_MOVE(DLLMiniVocabraDB)

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
  dicionario::BaseDicionario* base();
  std::vector<std::int32_t> pesquisaFlexivel(const QString& palavra);
  std::int32_t paginaDosResultados(std::int32_t inicio, QString& pagina) const;
  std::int32_t paginaAlfabetica(std::int32_t inicio, QString& pagina) const;
  void acrescentaLinha(std::int32_t id, QString& pagina) const;

  QString pastaDados_;
  std::unique_ptr<dicionario::BaseDicionario> base_;
  std::unique_ptr<dicionario::PesquisaTexto> pesquisaTexto_;
  std::unique_ptr<dicionario::HtmlVerbete> html_;
  bool tentouAbrir_ = false;
  int tamanhoPagina_ = 300;
  std::vector<std::int32_t> resultados_;
  std::int32_t faixaDe_ = 0;   // the alphabetical range: ids [faixaDe_, faixaAte_)
  std::int32_t faixaAte_ = -1;  // -1: the whole list
  dicionario::FiltroClasses filtro_;
};
