#include "Fonts.h"

#include <QFont>

namespace fonts {

void registerSubstitutions() {
  QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

}  // namespace fonts
