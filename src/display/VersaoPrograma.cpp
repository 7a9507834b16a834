#include "VersaoPrograma.h"

namespace VersaoPrograma {

int Major() { return MINIVOCABRA_VERSION_MAJOR; }
int Minor() { return MINIVOCABRA_VERSION_MINOR; }
int Revision() { return MINIVOCABRA_VERSION_PATCH; }

QString Texto() { return QStringLiteral("%1.%2.%3").arg(Major()).arg(Minor()).arg(Revision()); }

}  // namespace VersaoPrograma
