#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// The dictionary component's word-list text: a word, "|", its entry id as
// decimal text, "|", again and again ("casa|120|casaca|121|"); "" is an empty
// page. The letter list's chunks, the result pages and the forms of a word
// all come in it, and every reader takes it apart here, by one rule.
namespace ListaPalavraID {

struct Par {
  QString palavra;
  std::int32_t id = 0;

  friend bool operator==(const Par&, const Par&) = default;
};

// The pairs of `pagina` in order, up to its last complete pair. A pair is
// complete when its word and its id are each followed by "|" and the id is
// a whole decimal number that fits 32 signed bits (white space around it and
// a sign allowed). Reading stops at the first pair that is not complete: a
// page that does not end in "|" loses its last pair, and a word with no id
// after it is no pair. The word is kept whole, homograph mark included.
QList<Par> Pares(const QString& pagina);

}  // namespace ListaPalavraID
