// The conjugation rules. The input is a verb, a line break and its data.
// Data the builder accepts must give the program's conjugation tables, and
// the forms the flexible search finds the verb by.

#include "FuzzInput.h"

#include "FormasConjugacao.h"
#include "MontaConjugacao.h"
#include "ValidaConjugacao.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text = fuzz::text(data, size);
  const qsizetype lineEnd = text.indexOf(u'\n');
  if (lineEnd < 0) return 0;
  const QString verb = text.left(lineEnd);
  const QString conjugation = text.mid(lineEnd + 1);
  if (!dicionario::problemaDaConjugacao(verb, conjugation).isEmpty()) return 0;

  QStringList forms = dicionario::formasDaConjugacao(verb, conjugation);
  fuzz::require(!forms.contains(QString()), "no form is empty");
  fuzz::require(forms.removeDuplicates() == 0, "each form comes once");
  try {
    modMain::MontaConjugacao(verb, conjugation);
  } catch (const modMain::ErroConjugacao& e) {
    fuzz::require(false, e.what());
  }
  return 0;
}
