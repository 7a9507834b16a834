#pragma once

#include <QString>
#include <QStringList>

namespace dicionario {

// The verb forms that conjugation data stands for, as the conjugation
// tables show them: the stem (or, under a variation spec, the stem with its
// varying letter replaced) followed by each ending. Forms that do not exist
// ("/") and empty ones are left out, and each form comes once. The data must
// be sound for `verbo` (problemaDaConjugacao gives "").
QStringList formasDaConjugacao(const QString& verbo, const QString& dados);

}  // namespace dicionario
