#pragma once

#include "Dialogs.h"
#include "IMiniVocabraDB.h"
#include "IRegistry.h"

#include <functional>
#include <memory>

// The program's start.
namespace modMain {

// The maker of the dictionary component over the data folder that the
// installation's "DirInstalado" names (the program folder when it names
// none), read once, now.
std::function<std::unique_ptr<IMiniVocabraDB>()> FabricaPesquisa(reg::IRegistry& registro, dlg::IDialogs& dialogos);

// Shows the splash window, fills the key table, loads and shows the main
// window and runs the program until it closes; the process's exit code.
int Main(int argc, char** argv);

}  // namespace modMain
