#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace dicionario {

// A list of UTF-8 texts kept in one buffer (each text followed by "\n"),
// read by position without copying. Holds the headwords, the search keys and
// the words of the text index, a hundred thousand or more of each.
class ListaTextos final {
 public:
  // Takes `dados`, every text followed by "\n" (an empty buffer is an empty
  // list). False, leaving the list empty, when the last text has no "\n".
  bool carrega(QByteArray dados);

  qsizetype tamanho() const { return static_cast<qsizetype>(inicios_.size()) - 1; }
  // The text at `i`, 0 <= i < tamanho().
  std::string_view em(qsizetype i) const;
  QString textoEm(qsizetype i) const;

  // Whether the texts are in ascending byte order (ties allowed).
  bool ordenada() const;
  // In an ordered list, the positions [first, end) of the texts that start
  // with `prefixo`; first == end when none does. An empty prefix is the
  // whole list.
  std::pair<qsizetype, qsizetype> faixaComPrefixo(std::string_view prefixo) const;
  // In an ordered list, the positions [first, end) of the texts equal to `texto`.
  std::pair<qsizetype, qsizetype> faixaIgual(std::string_view texto) const;

 private:
  qsizetype primeiroNaoMenor(std::string_view texto) const;

  QByteArray dados_;
  std::vector<std::uint32_t> inicios_{0};
};

}  // namespace dicionario
