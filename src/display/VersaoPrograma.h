#pragma once

#include <QString>

// The program's own version (the project version of the build).
namespace VersaoPrograma {

int Major();
int Minor();
int Revision();
// "Major.Minor.Revision", in decimal ("1.0.5").
QString Texto();

}  // namespace VersaoPrograma
