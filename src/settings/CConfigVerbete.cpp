// Entry-appearance and list-font settings.
#include "CConfig.h"

#include "Numbers.h"
#include "TabelaConfiguracoes.h"

#include <QRegularExpression>

#include <limits>

namespace cfg = TabelaConfiguracoes;

namespace {

constexpr std::int16_t kFonteVerbetePadrao = 1;
constexpr std::int16_t kFonteVerbeteMaior = 2;
constexpr std::int32_t kMarcaCorFundoPadrao = 65535;
constexpr std::int32_t kMarcaCorTextoPadrao = 0;

bool corValida(const QString& cor) {
  static const QRegularExpression seisDigitos(QStringLiteral("^[0-9A-Fa-f]{6}$"));
  return seisDigitos.match(cor).hasMatch();
}

}  // namespace

void CConfig::CarregaPadroes() {
  PadroesVerbete();
  LerConfiguracoesVerbete();
  LerConfiguracoesLista();
}

void CConfig::PadroesVerbete() {
  for (std::size_t i = 0; i < ElementosVerbete.size(); ++i) {
    ElementoVerbete& e = ElementosVerbete[i];
    e.Nome = QString::fromUtf16(kElementosPadrao[i].nome);
    e.CorPadrao = e.Cor = QString::fromUtf16(kElementosPadrao[i].cor);
    e.TipoFonte = e.TipoFontePadrao = kElementosPadrao[i].tipoFonte;
  }
  FonteVerbete = kFonteVerbetePadrao;
  MarcaCorFundo = kMarcaCorFundoPadrao;
  MarcaCorTexto = kMarcaCorTextoPadrao;
}

void CConfig::RecarregaConfiguracoesVerbete() {
  PadroesVerbete();
  LerConfiguracoesVerbete();
}

std::int16_t CConfig::leCodigo(const QString& nome, std::int16_t atual, std::int16_t maior) {
  return static_cast<std::int16_t>(num::strictWhole(LeReg(nome, QString::number(atual)), 0, maior).value_or(atual));
}

std::int32_t CConfig::leCor(const QString& nome, std::int32_t atual) {
  return num::strictWhole(LeReg(nome, QString::number(atual)), std::numeric_limits<std::int32_t>::min(),
                          std::numeric_limits<std::int32_t>::max())
      .value_or(atual);
}

void CConfig::LerConfiguracoesVerbete() {
  for (ElementoVerbete& e : ElementosVerbete) {
    const QString corPadrao = LeReg(cfg::NomeCorPadrao(e.Nome), e.CorPadrao);
    if (corValida(corPadrao)) e.CorPadrao = corPadrao.toUpper();
    const QString cor = LeReg(cfg::NomeCor(e.Nome), e.Cor);
    if (corValida(cor)) e.Cor = cor.toUpper();
    e.TipoFonte = leCodigo(cfg::NomeTipoFonte(e.Nome), e.TipoFonte, TipoFonte::Maior);
    e.TipoFontePadrao = leCodigo(cfg::NomeTipoFontePadrao(e.Nome), e.TipoFontePadrao, TipoFonte::Maior);
  }
  FonteVerbete = leCodigo(cfg::nome(cfg::FonteVerbete), FonteVerbete, kFonteVerbeteMaior);
  MarcaCorFundo = leCor(cfg::nome(cfg::MarcaCorFundo), MarcaCorFundo);
  MarcaCorTexto = leCor(cfg::nome(cfg::MarcaCorTexto), MarcaCorTexto);
}

bool CConfig::GravarConfiguracoesVerbete() {
  return GravaGrupo(Origem::Usuario, [this] {
    for (const ElementoVerbete& e : ElementosVerbete) {
      GravaReg(cfg::NomeCor(e.Nome), e.Cor);
      GravaReg(cfg::NomeTipoFonte(e.Nome), QString::number(e.TipoFonte));
    }
    GravaReg(cfg::nome(cfg::FonteVerbete), QString::number(FonteVerbete));
    GravaReg(cfg::nome(cfg::MarcaCorFundo), QString::number(MarcaCorFundo));
    GravaReg(cfg::nome(cfg::MarcaCorTexto), QString::number(MarcaCorTexto));
  });
}

void CConfig::RestauraConfiguracoesVerbete() {
  for (ElementoVerbete& e : ElementosVerbete) {
    e.Cor = e.CorPadrao;
    e.TipoFonte = e.TipoFontePadrao;
  }
  FonteVerbete = kFonteVerbetePadrao;
  MarcaCorFundo = kMarcaCorFundoPadrao;
  MarcaCorTexto = kMarcaCorTextoPadrao;
}

void CConfig::LerConfiguracoesLista() {
  const double valor = num::val(LeReg(cfg::nome(cfg::FonteLista), cfg::padrao(cfg::FonteLista)));
  // Only the two sizes the lists have; anything else is the normal one.
  FonteLista = num::roundEven(valor) == 1 ? 1 : 0;
}

bool CConfig::GravarConfiguracoesLista() {
  return GravaGrupo(Origem::Usuario, [this] { GravaReg(cfg::nome(cfg::FonteLista), QString::number(FonteLista)); });
}

void CConfig::RestauraConfiguracoesLista() { FonteLista = 0; }
