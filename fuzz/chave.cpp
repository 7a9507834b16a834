// The search-key folding: the word list's search key, the text index's
// words and the page find's folding, for any text.

#include "FuzzInput.h"

#include "NormalizaPalavra.h"
#include "TermosTexto.h"
#include "TextFold.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text = fuzz::text(data, size);

  const QString key = modMain::NormalizaPalavra(text);
  fuzz::require(key.size() <= 50, "a key has at most 50 characters");
  fuzz::require(!key.startsWith(u' ') && !key.endsWith(u' '), "a key has no blanks around it");

  for (const QString& term : dicionario::termosDoTexto(text)) fuzz::require(!term.isEmpty(), "a word is not empty");

  const QString folded = textfold::fold(text);
  fuzz::require(folded.size() == text.size(), "folding keeps the positions");
  return 0;
}
