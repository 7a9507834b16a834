#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The 13 grammatical classes an entry can be filtered by, as the data source
// names them, and their filter codes (1-7, 9-11, 13-15).
namespace dicionario::classes {

// The code of a class name of the source ("subst", "verbo", "giria", ...);
// nothing for an unknown name.
std::optional<int> codigoDoNome(QStringView nome);

// The class that a class or regency label stands for, by its first word:
// "s.f." and every "s." label a noun, "v.t.d." and every "v." label a
// verb, "adj.", "adv.", "art.", "conj.", "pref."/"suf."/"el." (elemento de
// composição), "interj.", "num.", "prep.", "pron.". Nothing for other labels
// ("loc.", free text).
std::optional<int> codigoDoRotulo(QStringView rotulo);

// The class names, in code order, for messages.
QStringList nomes();

}  // namespace dicionario::classes
