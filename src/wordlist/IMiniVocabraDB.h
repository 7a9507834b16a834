#pragma once

#include <QString>

#include <cstdint>

// The dictionary database component's operations, as the program calls them.
// The operation numbers of the original interface are kept in the comments.
// Any call may throw (a run-time error); callers that must survive one catch
// it. Word ids are 32-bit alphabetical positions; a negative id means nothing.
//
// A word-list page is one string of alternating words and ids, each followed
// by "|" ("casa|120|casaca|121|"); an empty page is "". A word may hold
// character 160 before its homograph number ("manga\xA0" "2").
class IMiniVocabraDB {
 public:
  virtual ~IMiniVocabraDB() = default;

  // 1: the number of rows ObtemPagina gives per page.
  virtual void DefineTamanhoPagina(std::int16_t tamanho) = 0;
  // 2: the forms the dictionary knows for `palavra` in `lista` as
  // "form|id|form|id|"; -1 when it knows none.
  virtual std::int32_t ObtemFormas(const QString& palavra, QString& lista) = 0;
  // 3: makes the entries matching `palavra` flexibly the current result set;
  // returns their count. `buffer` is not read by callers.
  virtual std::int32_t PesquisaFlexivel(const QString& palavra, std::int32_t reservado, QString& buffer) = 0;
  // 5: matches `padrao` ("*" any run). `flag` 1: the letter list (returns the
  // count of the letter's words and makes them what ObtemPagina(1, ...)
  // pages); 0: makes the matches the current result set.
  virtual std::int32_t PesquisaMascara(const QString& padrao, QString& buffer, std::int32_t flag) = 0;
  // 6: makes the entries whose text matches `texto` the current result set;
  // `inicio` comes back as its first page's start (0). Returns the count.
  virtual std::int32_t PesquisaReversa(const QString& texto, QString& buffer, std::int32_t reservado1,
                                       std::int32_t reservado2, std::int32_t& inicio) = 0;
  // 7: the id of the text's entry (the first whose search key starts with the
  // text's); negative when there is none.
  virtual std::int32_t ObtemPosicaoPalavra(const QString& texto) = 0;
  // 8: the conjugation data of `verbo`; "" or character 160 when none.
  virtual QString ObtemConjugacao(const QString& verbo) = 0;
  // 9: whether entry `id` has conjugation data.
  virtual bool TemConjugacao(std::int32_t id) = 0;
  // 10: the size of the current result set after the filters.
  virtual std::int32_t ObtemTotalResultados() = 0;
  // 11: a page from `inicio` of the alphabetical list (`modo` 1) or of the
  // current result set (`modo` 0) into `pagina`; returns the next page's
  // start, -1 after the last.
  virtual std::int32_t ObtemPagina(std::int16_t modo, std::int32_t inicio, QString& pagina) = 0;
  // 12: builds a grammatical-class filter: (0, 0) starts it, (3, c) unites
  // class c, (2, c) intersects with class c, (1, 0) applies it to the
  // current result set.
  virtual void DefineFiltro(std::int16_t operacao, std::int16_t valor) = 0;
  // 13: the meanings of an abbreviation ending in ".", joined by "|", with
  // one hidden character at the end; "" when it is no abbreviation.
  virtual QString ExpandeAbreviatura(const QString& palavra) = 0;
  // 16: the raw headword of entry `id`, and its HTML in `html`. `chave` is
  // the entry's key from the key table; 0 (or any other wrong key) gives the
  // headword with an empty `html`.
  virtual QString ObtemVerbete(std::int32_t id, QString& html, std::int32_t chave) = 0;
  // 20: opens the data; false when it cannot be read. Comes before any other.
  virtual bool AbreDados() = 0;
  // 21: "version-page text|company-name label".
  virtual QString ObtemInfoDados() = 0;
};
