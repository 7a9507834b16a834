#pragma once

#include <QString>

// Where the program writes beside its program folder: the notes and the
// generated entry style sheets. A build tree's program folder holds them
// itself; an installed one (shared by every user, read-only for them) leaves
// them to each user's data folder, paths::userDataDir(). Every answer is
// worked out anew on each call, from the folders as they are then, and is a
// file-system path.
namespace paths {

// The notes folder a user starts with: the program folder's "notas" when the
// program folder is not an installed one and "notas" is a folder that can be
// written; else userDataDir() + "/notas". Not created here.
QString defaultNotesFolder();

// Makes `folder` (a program path, as the setting "DirNotas" holds it) when
// it is the user's own notes folder, userDataDir() + "/notas": the program
// makes that one on first use. Any other folder is the user's choice and is
// left alone (the notes report a missing one).
void makeUserNotesFolder(const QString& folder);

// The folder the entry style sheets are written to: the program folder's
// "css" when the program folder is not an installed one and "css" is a
// folder that can be written; else userDataDir() + "/css". Not created here.
QString styleSheetFolder();

// The file a page reads for `file`: when `file` lies in the program folder's
// "css" and the style sheets are written elsewhere, the file of the same
// name there when it exists (the user's sheets go ahead of the installed
// ones); else `file` itself.
QString styleSheetInUse(const QString& file);

}  // namespace paths
