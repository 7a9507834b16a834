// The mask matcher. The input is a pattern, then one text a line: the texts'
// search keys, sorted, are the list it selects from. The selection, which
// looks only at the texts with the pattern's first piece, must be what
// matching every text one by one gives.

#include "FuzzInput.h"

#include "ListaTextos.h"
#include "Mascara.h"
#include "NormalizaPalavra.h"

#include <algorithm>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QStringList lines = fuzz::lines(data, size);
  const dicionario::Mascara mask(lines.takeFirst());

  std::vector<std::string> keys;
  for (const QString& line : lines) keys.push_back(modMain::NormalizaPalavra(line).toStdString());
  std::sort(keys.begin(), keys.end());
  QByteArray buffer;
  for (const std::string& key : keys) buffer.append(key.data(), static_cast<qsizetype>(key.size())).append('\n');
  dicionario::ListaTextos list;
  fuzz::require(list.carrega(buffer) && list.ordenada(), "the keys make an ordered list");

  std::vector<qsizetype> matching;
  for (qsizetype i = 0; i < list.tamanho(); ++i) {
    if (mask.casa(list.em(i))) matching.push_back(i);
  }
  fuzz::require(mask.seleciona(list) == matching, "the selection is every text that matches");
  if (mask.tudo()) fuzz::require(matching.size() == keys.size(), "\"*\" matches every text");
  return 0;
}
