#pragma once

#include <QChar>

// What a word is made of, in every text the program splits into words: the
// words the text index holds, the word a page's text range expands to, the
// words an entry links. Letters (accented ones and the letters among the
// Windows-1252 codes 128-159 too), digits and combining marks belong to a
// word; everything else separates words: blanks, the non-breaking space,
// hyphens, apostrophes and other punctuation, symbols.
namespace wordchar {

inline bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c.isMark(); }

}  // namespace wordchar
