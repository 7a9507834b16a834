#pragma once

#include <QString>

// Checks conjugation data before it goes into a data folder, so that the
// program's conjugation tables can always be built from what it reads.
namespace dicionario {

// Data is the ending rule, character 160, the forms joined by ";". The rule
// is an ending E that must occur in `verbo`, or "X|E": E must occur in the
// verb and X in the verb before E's last occurrence, and then every form but
// "/" is "R|F". Forms come in tense order (9 tenses of 6, the imperative's 5,
// the personal infinitive's 6, the gerund's 1, up to 6 participles): at most
// 72, or none when nothing follows the character 160. With a variation rule
// a missing gerund or participle is left empty, not "/". Returns "" when the
// data is sound, else why not.
QString problemaDaConjugacao(const QString& verbo, const QString& dados);

// The tense (1 to 13, 14 past the last) of form `indice` (from 0).
int tempoDaForma(int indice);

}  // namespace dicionario
