#pragma once

#include <QString>

// Every value the program keeps under its settings key, with its default and
// how it is read. This is the one list of the settings; the readers and
// writers take their names and defaults from here.
namespace TabelaConfiguracoes {

// The settings key, under HKEY_CURRENT_USER (the user's values) and
// HKEY_LOCAL_MACHINE (the installation's read-only fall-backs).
inline constexpr char ChaveConfiguracoes[] = "SOFTWARE\\Corvanta\\MiniVocabra\\";

// How a number stored as text is read back.
enum class Leitura {
  Texto,     // taken as it is
  Leniente,  // leading blanks skipped, leading number taken, none gives 0
  Estrita,   // the whole text must be a number; otherwise the default holds
};

// A default of "current" (the value the reader holds in memory) is marked
// with an empty `padrao` and `padraoAtual`.
struct Valor {
  const char16_t* nome;
  const char16_t* padrao;
  Leitura leitura;
  bool padraoAtual = false;
};

// "1" = the advanced-search panel was open.
inline constexpr Valor ModoBusca{u"ModoBusca", u"0", Leitura::Texto};
// Whether the grammatical-class filters are summed by default.
inline constexpr Valor SomarFiltros{u"SomarFiltros", u"0", Leitura::Leniente};
// The window rectangle in twips, written " 1200" / "-30"; defaults are the
// window's current geometry.
inline constexpr Valor JanelaX{u"JanelaX", u"", Leitura::Leniente, true};
inline constexpr Valor JanelaY{u"JanelaY", u"", Leitura::Leniente, true};
inline constexpr Valor JanelaW{u"JanelaW", u"", Leitura::Leniente, true};
inline constexpr Valor JanelaH{u"JanelaH", u"", Leitura::Leniente, true};
inline constexpr Valor JanelaMax{u"JanelaMax", u"1", Leitura::Texto};
// The notes folder; its default, paths::defaultNotesFolder(), depends on
// what the program folder lets its user write. A value stored with "\"
// separators still names its folder.
inline constexpr Valor DirNotas{u"DirNotas", u"", Leitura::Texto};
// Installation stamp, read from both hives: defaults differ on purpose so a
// missing value on either side counts as a change of installation.
inline constexpr Valor InstalacaoLM{u"Instalacao", u"1", Leitura::Texto};
inline constexpr Valor InstalacaoCU{u"Instalacao", u"2", Leitura::Texto};
inline constexpr Valor FormaApresentacao{u"FormaApresentacao", u"0", Leitura::Leniente};
inline constexpr Valor TempoTip{u"TempoTip", u"6", Leitura::Estrita};
// Highlight colours as decimal 0xBBGGRR integers.
inline constexpr Valor MarcaCorFundo{u"Marca cor fundo", u"65535", Leitura::Estrita};
inline constexpr Valor MarcaCorTexto{u"Marca cor texto", u"0", Leitura::Estrita};
inline constexpr Valor FonteLista{u"Fonte lista", u"0", Leitura::Leniente};
inline constexpr Valor FonteVerbete{u"Fonte verbete", u"1", Leitura::Estrita, true};
// The data folder; read from HKEY_LOCAL_MACHINE only, default the program folder.
inline constexpr Valor DirInstalado{u"DirInstalado", u"", Leitura::Texto, true};

// The four newest previous searches, 1 the oldest: "HistTit<n>" (title,
// default "") and "HistID<n>" (entry id, strict, default "0").
QString HistTit(int n);
QString HistID(int n);
inline constexpr const char16_t* HistTitPadrao = u"";
inline constexpr const char16_t* HistIDPadrao = u"0";

// The four values of each of the nine entry elements ("Definição", ...):
// colour (note the blank at the end of the name), default colour, style and
// default style. Colours are six hexadecimal digits, red first; styles are
// the codes 0 to 4, read strictly. Their defaults are the values in memory.
QString NomeCor(const QString& elemento);
QString NomeCorPadrao(const QString& elemento);
QString NomeTipoFonte(const QString& elemento);
QString NomeTipoFontePadrao(const QString& elemento);

inline QString nome(const Valor& v) { return QString::fromUtf16(v.nome); }
inline QString padrao(const Valor& v) { return QString::fromUtf16(v.padrao); }

}  // namespace TabelaConfiguracoes
