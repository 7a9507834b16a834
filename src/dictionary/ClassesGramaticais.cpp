#include "ClassesGramaticais.h"

#include <array>

namespace dicionario::classes {
namespace {

struct Classe {
  const char16_t* nome;
  int codigo;
};

constexpr std::array<Classe, 13> kClasses{{
    {u"adj", 1}, {u"adv", 2}, {u"art", 3}, {u"conj", 4}, {u"elem", 5}, {u"interj", 6}, {u"num", 7},
    {u"prep", 9}, {u"pron", 10}, {u"subst", 11}, {u"verbo", 13}, {u"giria", 14}, {u"estrang", 15},
}};

struct Rotulo {
  const char16_t* inicio;
  int codigo;
};

constexpr std::array<Rotulo, 13> kRotulos{{
    {u"adj.", 1}, {u"adv.", 2}, {u"art.", 3}, {u"conj.", 4}, {u"pref.", 5}, {u"suf.", 5}, {u"el.", 5},
    {u"interj.", 6}, {u"num.", 7}, {u"prep.", 9}, {u"pron.", 10}, {u"s.", 11}, {u"v.", 13},
}};

}  // namespace

std::optional<int> codigoDoNome(QStringView nome) {
  for (const Classe& c : kClasses) {
    if (nome == QStringView(c.nome)) return c.codigo;
  }
  return std::nullopt;
}

std::optional<int> codigoDoRotulo(QStringView rotulo) {
  const QStringView primeira = rotulo.trimmed().split(u' ').value(0);
  for (const Rotulo& r : kRotulos) {
    if (primeira.startsWith(QStringView(r.inicio))) return r.codigo;
  }
  return std::nullopt;
}

QStringList nomes() {
  QStringList lista;
  for (const Classe& c : kClasses) lista.append(QString::fromUtf16(c.nome));
  return lista;
}

}  // namespace dicionario::classes
