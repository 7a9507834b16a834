#pragma once

#include <QString>

namespace dicionario {

// A fresh folder beside `destino` to write into, named after it: it does not
// exist yet and lies on the same file system, so it can be renamed into
// place. Its parent folder is made when missing. "" when that fails.
QString pastaTemporariaPara(const QString& destino);

// Puts the complete folder `nova` in the place of `destino`, which may or
// may not exist, by renames: the old folder is moved aside, the new one
// renamed into place, the old one deleted. A half-written folder is never
// in place: `destino` is the old folder, for a moment none, then the new one
// (and after a crash in that moment the old one is still aside). On failure `destino` is as it was, `nova`
// is left for the caller to remove, and `erro` says why.
bool substituiPasta(const QString& nova, const QString& destino, QString& erro);

}  // namespace dicionario
