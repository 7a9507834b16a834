#include "CBuscasAnteriores.h"

#include "Ansi.h"
#include "CConfig.h"
#include "Numbers.h"
#include "PictureBox.h"
#include "TabelaConfiguracoes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr double kFonteNormal = 7.5;
constexpr double kFontePequena = 5;
constexpr double kMargemX = 3;
constexpr double kMargemY = 2;

// The homograph mark of a title: a non-breaking space, or else code 159.
qsizetype posicaoMarca(const QString& titulo) {
  const qsizetype nbsp = titulo.indexOf(ansi::chr(160));
  return nbsp >= 0 ? nbsp : titulo.indexOf(ansi::chr(159));
}

// A saved id: the whole text a number within 32 bits, rounded.
std::optional<std::int32_t> idGravado(const QString& texto) {
  return num::strictWhole(texto, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
}

}  // namespace

CBuscasAnteriores::CBuscasAnteriores(QObject* parent) : QObject(parent) {}

void CBuscasAnteriores::Inicializa(PictureBox& picFundo) {
  m_picFundo = &picFundo;
  picFundo.setScale(VbControl::Scale::Pixels);
  DrawingSurface& superficie = picFundo.surface();
  superficie.setFontName(QStringLiteral("Verdana"));
  superficie.setFontSize(kFonteNormal);
  superficie.ForeColor = 0;
  m_alturaLinha = std::max(superficie.TextHeight(QStringLiteral("W")), 1.0);
  m_linhasVisiveis = static_cast<std::int16_t>(std::floor(superficie.height() / m_alturaLinha));
  connect(&picFundo, &PictureBox::MouseDown, this, &CBuscasAnteriores::m_picFundo_MouseDown);
  connect(&picFundo, &PictureBox::Click, this, &CBuscasAnteriores::m_picFundo_Click);
}

void CBuscasAnteriores::Adiciona(const QString& titulo, std::int32_t ID) {
  if (titulo.isEmpty()) return;
  CHistReg item;
  item.Dados(titulo, ID);
  const auto igual = std::find_if(m_itens.begin(), m_itens.end(),
                                  [ID](const CHistReg& existente) { return existente.getIDVerbete() == ID; });
  if (igual == m_itens.end()) {
    m_itens.push_back(item);
  } else if (m_itens.end() - igual > ItensGravados) {
    // Older than the four newest: it moves to the top.
    m_itens.erase(igual);
    m_itens.push_back(item);
  }
  if (Quantidade() > LimiteItens) m_itens.erase(m_itens.begin());
  DesenhaLista();
}

void CBuscasAnteriores::DesenhaLista() {
  if (m_picFundo.isNull()) return;
  DrawingSurface& superficie = m_picFundo->surface();
  superficie.Cls();
  superficie.CurrentY = kMargemY;
  // One row more than fits, the last one cut by the lower edge.
  for (int k = Quantidade(); k >= Quantidade() - m_linhasVisiveis && k >= 1; --k) {
    superficie.CurrentX = kMargemX;
    imprimeTitulo(Item(k).getTitulo());
  }
  m_picFundo->Refresh();
}

void CBuscasAnteriores::imprimeTitulo(const QString& titulo) {
  DrawingSurface& superficie = m_picFundo->surface();
  const qsizetype marca = posicaoMarca(titulo);
  if (marca < 0) {
    superficie.Print(titulo);
    return;
  }
  // The homograph number, smaller, after a blank.
  superficie.Print(titulo.left(marca), true);
  superficie.setFontSize(kFontePequena);
  superficie.Print(u' ' + titulo.mid(marca + 1), true);
  superficie.setFontSize(kFonteNormal);
  superficie.Print(QStringLiteral(" "));
}

void CBuscasAnteriores::m_picFundo_MouseDown(int, int, double, double y) {
  m_linhaPressionada = static_cast<std::int16_t>(std::floor((y - kMargemY) / m_alturaLinha));
}

void CBuscasAnteriores::m_picFundo_Click() {
  if (m_linhaPressionada < 0 || Quantidade() - m_linhaPressionada <= 0) return;
  const CHistReg item = Item(Quantidade() - m_linhaPressionada);
  emit SelecionaItem(item.getTitulo(), item.getIDVerbete());
}

void CBuscasAnteriores::GravaHistorico(CConfig& conf) const {
  namespace T = TabelaConfiguracoes;
  for (int n = 1; n <= ItensGravados; ++n) {
    const int indice = Quantidade() - ItensGravados + n;  // n = 4: the newest
    if (indice < 1) continue;
    conf.GravaReg(T::HistTit(n), Item(indice).getTitulo());
    conf.GravaReg(T::HistID(n), QString::number(Item(indice).getIDVerbete()));
  }
}

void CBuscasAnteriores::RestauraHistorico(CConfig& conf) {
  namespace T = TabelaConfiguracoes;
  for (int n = 1; n <= ItensGravados; ++n) {
    const QString titulo = conf.LeReg(T::HistTit(n), QString::fromUtf16(T::HistTitPadrao));
    const std::optional<std::int32_t> id = idGravado(conf.LeReg(T::HistID(n), QString::fromUtf16(T::HistIDPadrao)));
    if (id) Adiciona(titulo, *id);
  }
}
