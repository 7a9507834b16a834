#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// Folding for finding text in a page the way a browser's find does: without
// regard to letter case or accents ("Ação" is found for "acao"). Each
// character folds to exactly one character, so positions carry over.
namespace textfold {

QChar fold(QChar c);
QString fold(QStringView text);

}  // namespace textfold
