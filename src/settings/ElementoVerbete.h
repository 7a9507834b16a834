#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The look of one kind of element in a dictionary entry (title, definition,
// etymology, ...): a colour and a font style, each with its default.
struct ElementoVerbete {
  QString Nome;       // display name; also begins its setting names and style-sheet placeholders
  QString CorPadrao;  // six upper-case hexadecimal digits, red first
  QString Cor;
  std::int16_t TipoFonte = 0;  // one of the style codes below
  std::int16_t TipoFontePadrao = 0;
};

// Font style codes of an element.
namespace TipoFonte {
inline constexpr std::int16_t Normal = 0;
inline constexpr std::int16_t Italico = 1;
inline constexpr std::int16_t Negrito = 2;
inline constexpr std::int16_t ItalicoNegrito = 3;
inline constexpr std::int16_t Sublinhado = 4;
inline constexpr std::int16_t Maior = Sublinhado;
}  // namespace TipoFonte

// The nine elements, in their fixed order, with their built-in defaults.
struct ElementoPadrao {
  const char16_t* nome;
  const char16_t* cor;
  std::int16_t tipoFonte;
};
inline constexpr std::array<ElementoPadrao, 9> kElementosPadrao{{
    {u"Achega", u"983400", TipoFonte::Normal},
    {u"Classe gramatical/Regência", u"FF0000", TipoFonte::Negrito},
    {u"Definição", u"000000", TipoFonte::Negrito},
    {u"Etimologia", u"3068FF", TipoFonte::Normal},
    {u"Locução", u"303498", TipoFonte::Normal},
    {u"Número da definição", u"000000", TipoFonte::Normal},
    {u"Rubrica", u"008000", TipoFonte::Normal},
    {u"Título", u"336699", TipoFonte::Negrito},
    {u"Título da locução", u"000099", TipoFonte::Negrito},
}};

using TabelaElementos = std::array<ElementoVerbete, kElementosPadrao.size()>;
