#pragma once

// The program's start.
namespace modMain {

// Shows the splash window, fills the key table, loads and shows the main
// window and runs the program until it closes; the process's exit code.
int Main(int argc, char** argv);

}  // namespace modMain
