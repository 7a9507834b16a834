#pragma once

#include <QString>

// The program folder and the mapping of the program's Windows-style paths
// onto the file system.
namespace paths {

// Environment variable that names the program folder, overriding the
// installation's (tests give each case its own copy).
inline constexpr char kProgramDirVariable[] = "MINIVOCABRA_PROGRAM_DIR";

// Where an installation puts the program folder, under its prefix (the
// install rules use the same folder).
inline constexpr char kInstalledProgramFolder[] = "share/minivocabra/program";

// `App.Path`: the program folder, without a trailing separator. Taken from
// MINIVOCABRA_PROGRAM_DIR when set, else the "program" folder beside the
// executable's folder (the build tree), else the installed
// "../share/minivocabra/program". Read anew on each call, so a test may set
// the variable at any time.
QString appPath();

// Whether the program folder is an installed one (it ends in
// kInstalledProgramFolder). An installed program folder is shared by every
// user of the machine, so nothing one user writes goes into it.
bool isInstalledProgramFolder();

// The user's own folder for what a read-only (installed) program folder
// cannot hold, such as notes and generated style sheets:
// $XDG_DATA_HOME/minivocabra, or ~/.local/share/minivocabra when the variable
// is unset or not absolute. Read anew on each call; not created here.
QString userDataDir();

// Turns a program path into a file-system path: every "\" becomes "/", and
// each component that does not exist as written is matched without regard to
// case against what the folder holds (Windows paths are case-insensitive).
// Components that exist in no case keep their spelling, except the folders
// inside the program folder, which are lower case ("CSS" -> "css",
// "Notas" -> "notas") so that a folder created later has the one name.
QString toFileSystem(const QString& programPath);

}  // namespace paths
