#pragma once

#include <QString>

#include <cstdint>

// The dictionary database component's operations, as the program calls them.
// Each operation's comment starts with its number in the component; the
// numbers missing are operations the program does not call.
// Any call may throw (a run-time error); callers that must survive one catch
// it.
//
// What the callers rely on:
// - Word ids are 32-bit alphabetical positions, from 0; a negative id means
//   nothing. Entries are ordered by search key (modMain::NormalizaPalavra of
//   the headword without its homograph number), then by headword, then by
//   homograph number. So the entries of a letter, or of any key prefix, are
//   consecutive ids.
// - Search keys, masks and flexible searches ignore accents, case and the
//   separators the key drops; "*" in a mask matches any run of characters.
// - The result set is what the last PesquisaFlexivel, PesquisaMascara with
//   flag 0 or PesquisaReversa found, in id order, as narrowed by the last
//   DefineFiltro(1, 0) since. A new search replaces it whole; a filter is
//   applied once and never carried over to the next search.
// - A word-list page is one string of alternating words and ids, each
//   followed by "|" ("casa|120|casaca|121|"); an empty page is "". A word may
//   hold character 160 before its homograph number ("manga\xA0" "2").
// - The entry HTML marks its parts with the span ids D_TIT, D_SUP_TIT, D_ETM,
//   D_N_CG, D_N_REG, D_N_DEF, D_RUB, D_DEF, D_TIT_LOC, D_LOC and D_ACH; lines
//   are joined by "<BR>"; every word is a goto:// link.
class IMiniVocabraDB {
 public:
  virtual ~IMiniVocabraDB() = default;

  // 1: the number of rows ObtemPagina gives per page; 300 at start. A size
  // below 1 is ignored.
  virtual void DefineTamanhoPagina(std::int16_t tamanho) = 0;
  // 2: the forms of the entries that `palavra` names flexibly (as
  // PesquisaFlexivel finds them): for each, its headword when the entry was
  // found through one of its forms, and every form it lists; items whose key
  // is the word's own key are left out. "form|id|" for each, in id order;
  // returns their number, or -1 (with `lista` "") when there is none.
  virtual std::int32_t ObtemFormas(const QString& palavra, QString& lista) = 0;
  // 3: the result set := the entries whose headword's key is the key of
  // `palavra` (cut at its homograph mark), all homographs, together with the
  // entries that list it among their forms. Returns their count. `reservado`
  // and `buffer` are neither read nor written.
  virtual std::int32_t PesquisaFlexivel(const QString& palavra, std::int32_t reservado, QString& buffer) = 0;
  // 5: the entries whose key matches the mask `padrao`. Flag 0 (or any flag
  // but 1): they become the result set. Flag 1: they become the alphabetical
  // range that ObtemPagina(1, ...) pages through, from the first match to the
  // last (for "letter*" exactly the letter's entries); the result set stays.
  // With flag 1 a pattern whose text before the first "*" folds to nothing
  // ("-*") matches nothing, as ObtemPosicaoPalavra finds no position for it.
  // Returns the number of matches. `buffer` is left alone.
  virtual std::int32_t PesquisaMascara(const QString& padrao, QString& buffer, std::int32_t flag) = 0;
  // 6: the result set := the entries whose text matches `texto` ("w1 +w2
  // +w3" needs every word, a mask matches words of the text, "*" alone is
  // every entry). `inicio` := 0, its first page's start. Returns the count.
  // The text searched is the etymology, the definitions, the phrases and the
  // addendum; not the headword nor the class labels.
  virtual std::int32_t PesquisaReversa(const QString& texto, QString& buffer, std::int32_t reservado1,
                                       std::int32_t reservado2, std::int32_t& inicio) = 0;
  // 7: the id of the first entry whose key starts with the key of `texto`;
  // -1 when none does or when the text's key is empty.
  virtual std::int32_t ObtemPosicaoPalavra(const QString& texto) = 0;
  // 8: the conjugation data of `verbo` (a headword, its homograph mark
  // allowed): the ending rule, character 160, the forms joined by ";". From
  // the entry whose raw headword is `verbo` when that one has data, else
  // from the first entry with data whose key is the verb's key. "" when none;
  // callers take a lone character 160 as none too.
  virtual QString ObtemConjugacao(const QString& verbo) = 0;
  // 9: whether entry `id` has conjugation data; false for an unknown id.
  virtual bool TemConjugacao(std::int32_t id) = 0;
  // 10: the size of the result set after the filters; 0 before any search.
  virtual std::int32_t ObtemTotalResultados() = 0;
  // 11: `modo` 1: the entries of the alphabetical range with ids from
  // `inicio` (a start below the range starts at its first entry); `modo` 0:
  // the result set's entries from position `inicio` (0 is the first).
  // `pagina` := up to the page size of "headword|id|" items, "" when nothing
  // is left. Returns where the next page starts (an id, or a position), or -1
  // when this page reaches the end. Any other `modo` gives "" and -1.
  virtual std::int32_t ObtemPagina(std::int16_t modo, std::int32_t inicio, QString& pagina) = 0;
  // 12: a grammatical-class filter. (0, 0) starts one; (3, v) lets the class
  // of value v pass too; (2, v) keeps only what also has that class; (1, 0)
  // narrows the result set to the entries the filter lets pass (a filter
  // that named no class keeps them all). The first class named since (0, 0)
  // is the filter whatever its operation. Other operations are ignored.
  // Values are the main window's filter codes plus 8 (9 to 15, 17 to 19,
  // 21 to 23); an entry may hold several classes. A value naming no class
  // matches no entry.
  virtual void DefineFiltro(std::int16_t operacao, std::int16_t valor) = 0;
  // 13: the meanings of the abbreviation `palavra`, a word ending in "."
  // (blanks trimmed; its exact spelling first, else in any case), joined by
  // "|", with a final "|" that is not shown. "" when it is no abbreviation.
  virtual QString ExpandeAbreviatura(const QString& palavra) = 0;
  // 16: the raw headword of entry `id` ("" for an unknown id). `html` := the
  // entry's HTML when `chave` is the entry's key from the key table; "" for
  // any other key (0 included) or when the text cannot be read.
  virtual QString ObtemVerbete(std::int32_t id, QString& html, std::int32_t chave) = 0;
  // 20: opens the data; false when it is missing, unreadable, damaged or of
  // another format version. Comes before any other; may be called again (it
  // reopens).
  virtual bool AbreDados() = 0;
  // 21: "version-page text|company-name label"; "" when the data is not open.
  virtual QString ObtemInfoDados() = 0;
};
