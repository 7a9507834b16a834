#pragma once

#include <QString>

// The checks of a notes folder that the settings make: a folder the user
// chooses must be there and take files before it is saved; a stored one
// must still be there when the program starts. Folders are named as the
// setting "DirNotas" holds them (a file-system path, or one with "\").
namespace PastaNotas {

enum class Situacao {
  Pronta,       // it exists (or was just made) and takes new files
  NaoCriada,    // it is no folder and none could be made there (a file in
                // the way, a parent that cannot be written)
  SemGravacao,  // it is a folder but takes no new file
};

// Makes `pasta`, with the folders above it, when it is not a folder, then
// checks that a file can be made in it (one of the program's temporary
// names is made and removed).
Situacao Prepara(const QString& pasta);

// Whether nothing at all is at `pasta` (a dangling link counts as nothing).
bool Ausente(const QString& pasta);

// The message that tells the user of `situacao` (not Pronta), with %1 for
// the folder: 892 for a folder that could not be made, 893 for one that
// takes no files.
int Mensagem(Situacao situacao);

}  // namespace PastaNotas
