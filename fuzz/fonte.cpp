// The dictionary source reader: any text is read or refused with a line and
// a reason, and what it reads is what the data builder may store.

#include "FuzzInput.h"

#include "FonteDicionario.h"
#include "ValidaConjugacao.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text = fuzz::text(data, size);
  dicionario::LeitorFonte reader;
  dicionario::Fonte source;
  if (!reader.leTexto(QStringLiteral("fonte.txt"), text, source)) {
    const dicionario::ErroFonte& error = reader.erro();
    fuzz::require(!error.motivo.isEmpty(), "a refused source says why");
    fuzz::require(error.linha >= 0 && error.linha <= text.count(u'\n') + 1, "the failing line is in the text");
    return 0;
  }
  for (const dicionario::VerbeteFonte& entry : source.verbetes) {
    fuzz::require(!entry.palavra.isEmpty(), "an entry has a headword");
    if (!entry.conjugacao.isEmpty()) {
      fuzz::require(dicionario::problemaDaConjugacao(entry.palavra, entry.conjugacao).isEmpty(),
                    "an entry's conjugation is sound");
    }
  }
  return 0;
}
