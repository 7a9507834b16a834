#pragma once

#include "ResultadosLista.h"

#include <QString>

#include <cstdint>

// One step of the navigation history: an entry, a page file or a list page.
// A step is filled once, by one of the three fill operations, right after it
// is made; the fields its kind does not use stay "" or 0.
class CHistReg final {
 public:
  enum class Tipo : std::int16_t {
    Nenhum = 0,   // not filled yet
    Verbete = 1,  // an entry: title, entry id, the three search strings
    Pagina = 2,   // a page file: title, file
    Lista = 3,    // a list page: its HTML, the three search strings and the results list
  };

  // Kind 1: the entry `ID` with headword `titulo`, reached by the search for
  // `BuscaPalavra` (words), `BuscaIniciada` (starts with) and
  // `BuscaTerminada` (ends with).
  void Dados(const QString& titulo, std::int32_t ID, const QString& BuscaPalavra = {},
             const QString& BuscaIniciada = {}, const QString& BuscaTerminada = {});
  // Kind 2: the page file at address `arquivo`, titled `titulo`.
  void Dados_Paginas(const QString& titulo, const QString& arquivo);
  // Kind 3: a list page whose HTML is `Conteudo`, shown while the results
  // list held `resultados`.
  void Dados_Lista(const QString& Conteudo, const QString& BuscaPalavra = {}, const QString& BuscaIniciada = {},
                   const QString& BuscaTerminada = {}, const ResultadosLista& resultados = {});

  const QString& getTitulo() const { return m_titulo; }
  std::int32_t getIDVerbete() const { return m_id; }
  Tipo getTipo() const { return m_tipo; }
  const QString& getArquivo() const { return m_arquivo; }
  const QString& getConteudo() const { return m_conteudo; }
  const QString& getBuscaPalavra() const { return m_buscaPalavra; }
  const QString& getBuscaIniciada() const { return m_buscaIniciada; }
  const QString& getBuscaTerminada() const { return m_buscaTerminada; }
  const ResultadosLista& getResultados() const { return m_resultados; }

 private:
  QString m_titulo;
  std::int32_t m_id = 0;
  QString m_arquivo;
  Tipo m_tipo = Tipo::Nenhum;
  QString m_conteudo;
  QString m_buscaIniciada;
  QString m_buscaTerminada;
  QString m_buscaPalavra;
  ResultadosLista m_resultados;
};
