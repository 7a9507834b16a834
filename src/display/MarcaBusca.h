#pragma once

#include <QString>

#include <cstdint>

class PageDocument;

// What a search looked for, as the highlighting reads it: the search words
// (separated by blanks), or the starts-with and ends-with texts.
struct TermosBusca {
  QString palavra;
  QString iniciada;
  QString terminada;

  bool vazio() const { return palavra.isEmpty() && iniciada.isEmpty() && terminada.isEmpty(); }
};

// Paints in `pagina`, with the background `corFundo` and the text colour
// `corTexto` (CSS colours), what the search looked for. The mode follows
// from which texts are set:
// - words (no starts-with, no ends-with text): each occurrence of a search
//   word whose surrounding word has the same search key (NormalizaPalavra);
// - starts with: the found text, in words that begin with it;
// - ends with: the found text, in words that end with it;
// - both: whole words that begin with the one and end with the other.
// Finding ignores case and accents; the tests compare in upper case. Each
// occurrence is examined once.
void MarcaBusca(PageDocument& pagina, const TermosBusca& termos, const QString& corFundo, const QString& corTexto);

// A colour kept as 0xBBGGRR as a CSS colour "#rrggbb".
QString CorCSS(std::int32_t bgr);
