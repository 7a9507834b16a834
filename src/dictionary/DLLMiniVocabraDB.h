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
// index, and dic030.dat.
//
// Choices the callers may rely on:
// - Ids are alphabetical positions, from 0: entries ordered by search key
//   (modMain::NormalizaPalavra of the headword without its homograph
//   number), then by headword, then by homograph number. So the entries of a
//   letter, or of any key prefix, are consecutive ids.
// - Search keys, masks and flexible searches ignore accents, case and the
//   separators the key drops; "*" in a mask matches any run of characters.
// - The result set is what the last PesquisaFlexivel, PesquisaMascara with
//   flag 0 or PesquisaReversa found, in id order, as narrowed by the last
//   DefineFiltro(1, 0) since. A new search replaces it whole; a filter is
//   applied once and never carried over to the next search.
// - Filter values are the main window's filter codes plus 8 (9 to 15, 17 to
//   19, 21 to 23); an entry may hold several classes. A value naming no class
//   matches no entry.
// - Nothing throws. A failure gives the empty answer that the operation
//   documents. An operation called before AbreDados opens the data first,
//   once, as AbreDados would; after a failed opening the data is closed and
//   every operation gives its empty answer until AbreDados succeeds.
// - The entry HTML uses the span ids of HtmlVerbete.h (D_TIT, D_SUP_TIT,
//   D_ETM, D_N_CG, D_N_REG, D_N_DEF, D_RUB, D_DEF, D_TIT_LOC, D_LOC, D_ACH);
//   lines are joined by "<BR>"; every word is a goto:// link.
class DLLMiniVocabraDB final : public IMiniVocabraDB {
 public:
  // `pastaDados`: the data folder, as a program path ("\" or "/").
  explicit DLLMiniVocabraDB(QString pastaDados);
  ~DLLMiniVocabraDB() override;
  Q_DISABLE_COPY_MOVE(DLLMiniVocabraDB)

  // Rows per page of ObtemPagina; 300 at start. A size below 1 is ignored.
  void DefineTamanhoPagina(std::int16_t tamanho) override;
  // The forms of the entries that `palavra` names flexibly (as
  // PesquisaFlexivel finds them): for each, its headword when the entry was
  // found through one of its forms, and every form it lists; items whose key
  // is the word's own key are left out. "form|id|" for each, in id order;
  // returns their number, or -1 (with `lista` "") when there is none.
  std::int32_t ObtemFormas(const QString& palavra, QString& lista) override;
  // The result set := the entries whose headword's key is the key of
  // `palavra` (cut at its homograph mark), all homographs, together with the
  // entries that list it among their forms. Returns their count. `reservado`
  // and `buffer` are neither read nor written.
  std::int32_t PesquisaFlexivel(const QString& palavra, std::int32_t reservado, QString& buffer) override;
  // The entries whose key matches the mask `padrao` (Mascara.h). Flag 0 (or
  // any flag but 1): they become the result set. Flag 1: they become the alphabetical range
  // that ObtemPagina(1, ...) pages through, from the first match to the
  // last (for "letter*" exactly the letter's entries); the result set stays.
  // With flag 1 a pattern whose text before the first "*" folds to nothing
  // ("-*") matches nothing, as ObtemPosicaoPalavra finds no position for it.
  // Returns the number of matches. `buffer` is left alone.
  std::int32_t PesquisaMascara(const QString& padrao, QString& buffer, std::int32_t flag) override;
  // The result set := the entries whose text matches `texto` (PesquisaTexto.h:
  // "w1 +w2 +w3" needs every word, a mask matches words of the text, "*"
  // alone is every entry). `inicio` := 0. Returns the count. The text
  // searched is the etymology, the definitions, the phrases and the
  // addendum; not the headword nor the class labels.
  std::int32_t PesquisaReversa(const QString& texto, QString& buffer, std::int32_t reservado1,
                               std::int32_t reservado2, std::int32_t& inicio) override;
  // The id of the first entry whose key starts with the key of `texto`;
  // -1 when none does or when the text's key is empty.
  std::int32_t ObtemPosicaoPalavra(const QString& texto) override;
  // The conjugation data of `verbo` (a headword, its homograph mark
  // allowed): the ending rule, character 160, the forms joined by ";". From
  // the entry whose raw headword is `verbo` when that one has data, else
  // from the first entry with data whose key is the verb's key. "" when none.
  QString ObtemConjugacao(const QString& verbo) override;
  // Whether entry `id` has conjugation data; false for an unknown id.
  bool TemConjugacao(std::int32_t id) override;
  // The size of the result set; 0 before any search.
  std::int32_t ObtemTotalResultados() override;
  // `modo` 1: the entries of the alphabetical range with ids from `inicio`
  // (a start below the range starts at its first entry); `modo` 0: the
  // result set's entries from position `inicio` (0 is the first). `pagina` :=
  // up to the page size of "headword|id|" items, "" when nothing is left.
  // Returns where the next page starts (an id, or a position), or -1 when
  // this page reaches the end. Any other `modo` gives "" and -1.
  std::int32_t ObtemPagina(std::int16_t modo, std::int32_t inicio, QString& pagina) override;
  // (0, 0) starts a filter; (3, v) lets the class of value v pass too;
  // (2, v) keeps only what also has that class; (1, 0) narrows the result set
  // to the entries the filter lets pass (a filter that named no class keeps
  // them all). The first class named since (0, 0) is the filter whatever its
  // operation. Other operations are ignored.
  void DefineFiltro(std::int16_t operacao, std::int16_t valor) override;
  // The meanings of abbreviation `palavra` (blanks trimmed; its exact
  // spelling first, else in any case) joined by "|", with a final "|" that is
  // not shown. "" when it is no abbreviation.
  QString ExpandeAbreviatura(const QString& palavra) override;
  // The raw headword of entry `id` ("" for an unknown id). `html` := the
  // entry's HTML when `chave` is the entry's key from the key table;
  // "" for any other key (0 included) or when the text cannot be read.
  QString ObtemVerbete(std::int32_t id, QString& html, std::int32_t chave) override;
  // Opens the data folder; false when it is missing, unreadable, damaged or
  // of another format version. May be called again (it reopens).
  bool AbreDados() override;
  // "version-page text|company-name label"; "" when the data is not open.
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
