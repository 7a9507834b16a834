#pragma once

class QCoreApplication;

// Qt's own texts (the buttons and labels of the print, colour, file and
// folder dialogs and of message boxes) in the program's language.
namespace qttranslations {

// Installs Qt's Portuguese translations ("qtbase" for Brazil, else for
// Portugal) from Qt's translations folder into `app`, which owns them.
// False, with a line in the log, when they are not installed: Qt's texts
// then stay in English.
bool installPortuguese(QCoreApplication& app);

}  // namespace qttranslations
