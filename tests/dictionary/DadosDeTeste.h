#pragma once

#include <QString>

// Small data folders for the dictionary tests, built with the data builder
// from source text.
namespace dadosteste {

// A dictionary of 12 entries whose ids the tests know: 0 Ñandu, 1 ação,
// 2 agir, 3 amar, 4 bonito, 5 cantar, 6 casa, 7 casamento, 8 manga 1,
// 9 manga 2, 10 pé-de-moleque, 11 zebra.
extern const char kFonte[];

// Builds `fonte` into the data folder `pasta`; a source that does not build
// fails the calling test (check with ASSERT_NO_FATAL_FAILURE).
void constroi(const QString& fonte, const QString& pasta);

// The sample dictionary of the build tree, made by the default build.
QString pastaExemplo();

}  // namespace dadosteste
