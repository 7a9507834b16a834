#pragma once

#include <QStringList>
#include <QStringView>

namespace dicionario {

// The words of a text as the text index holds them: each run of word
// characters (WordCharacter.h), folded to its search key (accents and case
// gone). "Guarda-chuva, à vista!" gives "guarda", "chuva", "a", "vista". The
// data builder indexes the entries with it and the text search splits its
// queries with it, so both sides always agree; a page's text range takes
// its words by the same characters.
QStringList termosDoTexto(QStringView texto);

}  // namespace dicionario
