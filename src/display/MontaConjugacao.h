#pragma once

#include <QString>

#include <stdexcept>

namespace modMain {

// Conjugation data that cannot be read (see MontaConjugacao).
class ErroConjugacao final : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The conjugation tables of `verbo` (the entry's cleaned headword) from the
// component's conjugation data: one right-aligned table holding 13 small
// tense tables, in the order 1, 3, 2, 4, ..., 13.
//
// The data is an ending rule, character 160, then the forms joined by ";"
// (anything after a second character 160 is ignored). A plain ending E gives
// the stem, the verb before its last E, and each form is an ending. A rule
// X|E gives a template, the verb before its last E with the character at its
// last X marked, and each form is R|F: the mark replaced by R, then F. A form
// "/" (or an F of "/") does not exist and shows as "/". Tense 10 has five
// forms ("tu" to "eles"), tense 12 one and tense 13 up to six, whose empty
// forms leave no row.
//
// Returns "" when there is no conjugation: data that is empty or a lone
// character 160 (blanks around it aside), or a plain ending that the verb does
// not hold. The markup keeps "align='right'", "width = 90" and "<br>" as
// CBrowser::CopiaVerbo rewrites them.
//
// Throws ErroConjugacao for data without character 160, a variation rule
// whose E or X the verb does not hold, a variation form (other than "/")
// without "|", and more than 72 forms.
QString MontaConjugacao(const QString& verbo, const QString& dados);

}  // namespace modMain
