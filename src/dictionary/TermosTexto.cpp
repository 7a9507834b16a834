#include "TermosTexto.h"

#include "NormalizaPalavra.h"
#include "WordCharacter.h"

namespace dicionario {

QStringList termosDoTexto(QStringView texto) {
  QStringList termos;
  qsizetype i = 0;
  while (i < texto.size()) {
    while (i < texto.size() && !wordchar::isWordCharacter(texto[i])) ++i;
    const qsizetype inicio = i;
    while (i < texto.size() && wordchar::isWordCharacter(texto[i])) ++i;
    if (i > inicio) {
      const QString termo = modMain::NormalizaPalavra(texto.mid(inicio, i - inicio).toString());
      if (!termo.isEmpty()) termos.append(termo);
    }
  }
  return termos;
}

}  // namespace dicionario
