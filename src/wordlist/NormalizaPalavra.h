#pragma once

#include <QString>

namespace modMain {

// The search key of a word: accented letters folded to plain ones (a few,
// such as "Ñ" or "ß", to "-", which stays in the key), separators dropped,
// blanks trimmed, lower case, at most 50 characters (later ones are cut).
// The program and the dictionary data compare words by this key.
QString NormalizaPalavra(const QString& palavra);

// The text before its first non-breaking space (the homograph mark), or the
// whole text when it has none.
QString CortaEmNbsp(const QString& texto);

// Whether `c` is one of the characters that the search key drops.
bool EhSeparador(QChar c);

}  // namespace modMain
