#pragma once

#include <QString>

class CConfig;
class IMiniVocabraDB;

namespace modMain {

// The version block of the credits page (written into its element
// "versoes"): the program's version, then field 0 of the component's
// information string with the data version and code from the header of
// dic030.dat in the data folder (the machine's "DirInstalado", by default
// the program folder), the header texts HTML-escaped:
//   <font face='Arial' size=1>Interface 1.0.5<BR>Dados X (v2.0/c7)<BR></font>
// A header that cannot be read whole (no folder, no file, a short file)
// leaves out the part in parentheses; a component call that fails leaves
// field 0 empty. Never throws; creates no file.
QString MontaTextoVersao(CConfig& config, IMiniVocabraDB& pesquisa);

}  // namespace modMain
