#pragma once

#include "ConteudoVerbete.h"

#include <QString>

#include <functional>

namespace dicionario {

// The ids of the spans an entry's HTML is made of (`<span id="D_DEF">`); the
// style-sheet template and the results list's summary name them.
namespace span {
inline constexpr char kTitulo[] = "D_TIT";
inline constexpr char kHomografo[] = "D_SUP_TIT";  // right after the title
inline constexpr char kEtimologia[] = "D_ETM";
inline constexpr char kClasse[] = "D_N_CG";
inline constexpr char kRegencia[] = "D_N_REG";
inline constexpr char kNumeroDefinicao[] = "D_N_DEF";
inline constexpr char kRubrica[] = "D_RUB";
inline constexpr char kDefinicao[] = "D_DEF";
inline constexpr char kTituloLocucao[] = "D_TIT_LOC";
inline constexpr char kLocucao[] = "D_LOC";
inline constexpr char kAchega[] = "D_ACH";
}  // namespace span

// Renders an entry as HTML: the title span (and its homograph number, the
// digits after a character 160 of `titulo`), then each line of the content,
// lines joined by "<BR>", parts of a line by a blank. Spans never nest. In
// every part but the definition number each word holding a letter is a link
// `<a href="goto://word">word</a>`; a word keeps its final "." when it has
// inner dots ("v.t.d.") or when `ehAbreviatura` knows it with the dot
// ("lat."). Text is HTML-escaped.
class HtmlVerbete final {
 public:
  explicit HtmlVerbete(std::function<bool(const QString&)> ehAbreviatura);

  QString monta(const QString& titulo, const ConteudoVerbete& conteudo) const;

 private:
  void acrescentaParte(const Parte& parte, QString& html) const;
  void acrescentaLigado(QStringView texto, QString& html) const;
  qsizetype fimDaPalavra(QStringView texto, qsizetype inicio) const;

  std::function<bool(const QString&)> ehAbreviatura_;
};

}  // namespace dicionario
