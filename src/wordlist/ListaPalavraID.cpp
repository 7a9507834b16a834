#include "ListaPalavraID.h"

#include <QStringList>

namespace ListaPalavraID {

QList<Par> Pares(const QString& pagina) {
  const QStringList itens = pagina.split(u'|');
  // The last item is what follows the last "|", so it never ends a pair.
  const qsizetype completos = (itens.size() - 1) / 2;
  QList<Par> pares;
  pares.reserve(completos);
  for (qsizetype j = 0; j < completos; ++j) {
    bool lido = false;
    const std::int32_t id = itens[2 * j + 1].toInt(&lido, 10);
    if (!lido) break;
    pares.append(Par{itens[2 * j], id});
  }
  return pares;
}

}  // namespace ListaPalavraID
