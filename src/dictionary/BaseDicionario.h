#pragma once

#include "ConexaoSqlite.h"
#include "IndicePalavras.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace dicionario {

// An open data folder: its database, the word index in memory and the
// prepared look-ups of entries, forms, conjugations and abbreviations.
// Reads only; the data builder writes.
class BaseDicionario final {
 public:
  // Opens the data folder `pasta`. Nothing (never a crash) when the folder
  // or its database is missing or unreadable, of another format version, or
  // damaged where opening can tell.
  static std::unique_ptr<BaseDicionario> abre(const QString& pasta);

 private:
  struct Passe {
    explicit Passe() = default;
  };

 public:
  // Only abre() makes one.
  BaseDicionario(Passe, const QString& arquivo);
  ~BaseDicionario();
  Q_DISABLE_COPY_MOVE(BaseDicionario)

  const IndicePalavras& indice() const { return indice_; }
  const ConexaoSqlite& conexao() const { return conexao_; }
  // The version-page text and the company-name label.
  const QString& textoVersao() const { return textoVersao_; }
  const QString& empresa() const { return empresa_; }

  // The stored (scrambled) text of a valid entry id; nothing when it cannot
  // be read.
  std::optional<QByteArray> textoGuardado(std::int32_t id);
  // The ids, ascending, of the entries that list a form with search key `chave`.
  std::vector<std::int32_t> idsComForma(const QString& chave);
  // The forms of entry `id`: those it lists, in their order, then its
  // conjugated forms.
  QStringList formasDe(std::int32_t id);
  // The conjugation data of entry `id` ("" when it has none).
  QString conjugacao(std::int32_t id);
  // The meanings of abbreviation `texto` as stored ("|"-joined), or "".
  QString abreviatura(const QString& texto) const;
  bool ehAbreviatura(const QString& texto) const { return abreviaturas_.contains(texto); }

 private:
  bool carrega();
  bool carregaInfo();
  bool carregaAbreviaturas();

  ConexaoSqlite conexao_;
  ComandoSqlite texto_;
  ComandoSqlite idsComForma_;
  ComandoSqlite formasDe_;
  ComandoSqlite conjugacao_;
  IndicePalavras indice_;
  QString textoVersao_;
  QString empresa_;
  std::int32_t total_ = 0;
  QHash<QString, QString> abreviaturas_;
  QHash<QString, QString> abreviaturasSemCaixa_;  // lower-cased, for a word written in another case
};

}  // namespace dicionario
