#pragma once

// The program asks for fonts by the names it was designed with. Linux has
// neither, so each gets a metric-alike that is installed with the program.
namespace fonts {

// Registers "Verdana" -> "DejaVu Sans" and "Arial" -> "Liberation Sans" once
// for the whole process; later calls do nothing. Call before any text is
// measured.
void RegisterSubstitutions();

}  // namespace fonts
