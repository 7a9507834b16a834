#pragma once

#include <QString>

// Escaping of text for pages and the clipboard, and tag stripping.
// A numeric reference is "&#", the character's code in decimal and ";". The
// code is the character's Unicode code point: for Windows-1252 text that is
// its ANSI code, except for the 27 characters at ANSI 128-159 (the euro
// sign, typographic quotes, ...), whose ANSI codes name control characters
// in HTML parsers that are not browsers.
namespace modMain {

// `texto` as HTML that shows it literally: tab and the other control
// characters, and every character outside printable ASCII, become numeric
// references; blank "&nbsp;", '"' "&quot;", '&' "&amp;", '<' "&lt;",
// '>' "&gt;". Safe for any text, of any length.
QString CodificaHTML(const QString& texto);

// `texto` (HTML) made safe for the clipboard with its markup left alone:
// typographic single quotes become "'", typographic double quotes '"', and
// control characters other than tab, and characters outside printable
// ASCII, become numeric references.
QString CodificaHTMLTexto(const QString& texto);

// `texto` without its tags: everything from a "<" to the next ">" is
// dropped, both included; a ">" outside a tag is dropped too. Character
// references stay as written.
QString RemoveTags(const QString& texto);

}  // namespace modMain
