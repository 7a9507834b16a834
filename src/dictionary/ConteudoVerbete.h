#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace dicionario {

// The elements an entry's text is made of, each shown in a span of its own.
enum class Elemento : char {
  Etimologia = 'E',
  Classe = 'C',           // grammatical class label, such as "s.f."
  Regencia = 'R',         // regency label, such as "v.t.i."
  NumeroDefinicao = 'N',  // "1.", "2.", ...
  Rubrica = 'U',          // field of use, such as "Mús."
  Definicao = 'D',
  TituloLocucao = 'T',    // the phrase itself
  Locucao = 'L',          // the phrase's meaning
  Achega = 'A',           // addendum
};

struct Parte {
  Elemento elemento;
  QString texto;
};

// An entry's text as stored: lines of parts. Line 0 continues the title's
// line (it may be empty); every later line starts on a line of its own.
struct ConteudoVerbete {
  std::vector<std::vector<Parte>> linhas;
};

// The stored form: UTF-8, lines joined by "\n", parts by "\t", each part its
// element's letter then its text. Texts must hold neither "\n" nor "\t".
QByteArray serializa(const ConteudoVerbete& conteudo);

// The entry back from its stored form; nothing when the bytes are not one
// (an unknown element letter, an empty part).
std::optional<ConteudoVerbete> leConteudo(const QByteArray& dados);

}  // namespace dicionario
