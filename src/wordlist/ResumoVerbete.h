#pragma once

#include <QString>

// The one-line summary of an entry that the results page shows under each
// headword, read from the spans of the entry's HTML. Pure text functions.
namespace ResumoVerbete {

// The longest summary before "..." is appended.
constexpr int kTamanhoResumo = 120;

// The opening tag of span `nome`: <span id="nome">.
QString MarcaSpan(const QString& nome);

// The name of whichever span, `a` or `b`, opens first in `html`; a span
// that is not there never comes first. "" when neither is there.
QString ObtemSpan(const QString& a, const QString& b, const QString& html);

// The text of span `nome`: from its opening tag to its closing "</span>",
// with every span named by an id nested inside it removed together with its
// content (other tags stay). "" when the span is not there or not closed.
QString ObtemConteudoSpan(const QString& nome, const QString& html);

// Etymology ("D_ETM"), grammatical class or regency (whichever of "D_N_CG"
// and "D_N_REG" comes first) and definition ("D_DEF"), each without its
// tags (the entries link their words), joined by blanks and cut to 120
// characters; "..." follows when the three parts together are longer than
// that. The summary is text, so the cut never breaks markup.
QString MontaResumo(const QString& html);

// The results page's display of a headword: each character 160 (or, when
// there is none, each 159) becomes <span id="D_SUP_RES"> and "</span>" is
// appended, so the homograph number is set apart.
QString PalavraExibida(const QString& palavra);

}  // namespace ResumoVerbete
