#pragma once

// The program asks for "Verdana" and "Arial" by name. Where they are missing
// they are drawn with DejaVu Sans and Liberation Sans (Arial's metrics).
namespace fonts {

// Registers the substitutions; call once, after the application object.
void registerSubstitutions();

}  // namespace fonts
