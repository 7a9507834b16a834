#include "Fonts.h"

#include <QFont>

namespace fonts {

void RegisterSubstitutions() {
  static const bool registered = [] {
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    return true;
  }();
  (void)registered;
}

}  // namespace fonts
