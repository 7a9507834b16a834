#pragma once

#include "CHistReg.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <vector>

class CConfig;
class PictureBox;

// The previous-searches panel: the entries looked at most recently (at most
// 20, no id twice), drawn newest first in a picture box, one headword a row.
// A click on a row reports its entry. The four newest are saved in the
// settings at shutdown ("HistTit1".."HistTit4", "HistID1".."HistID4", 1 the
// oldest) and added back at start-up.
class CBuscasAnteriores final : public QObject {
  Q_OBJECT

 public:
  static constexpr int LimiteItens = 20;
  static constexpr int ItensGravados = 4;

  explicit CBuscasAnteriores(QObject* parent = nullptr);
  Q_DISABLE_COPY_MOVE(CBuscasAnteriores)

  // Binds the panel (not owned; it must outlive this object or be destroyed
  // with it): sets its font, colour and pixel scale, measures the row height
  // and how many rows fit, and listens to its mouse. Call once, before the
  // first Adiciona.
  void Inicializa(PictureBox& picFundo);

  // Records entry `ID` under `titulo` and redraws; an empty title is ignored.
  // An id already among the four newest changes nothing; an older one moves
  // to the top. Past 20 items the oldest is dropped.
  void Adiciona(const QString& titulo, std::int32_t ID);
  // Redraws the panel, newest first (nothing before Inicializa).
  void DesenhaLista();

  // Saves the four newest items. An item that does not exist leaves its pair
  // of values as the settings held them.
  void GravaHistorico(CConfig& conf) const;
  // Adds back the saved items, "HistTit1" first. A pair with no title adds
  // nothing; one whose id is not a 32-bit number is skipped.
  void RestauraHistorico(CConfig& conf);

  int Quantidade() const { return static_cast<int>(m_itens.size()); }
  // The item at 1-based `indice` (1 the oldest), 1 <= indice <= Quantidade().
  const CHistReg& Item(int indice) const { return m_itens.at(static_cast<std::size_t>(indice - 1)); }

 signals:
  // The user clicked the row of this item.
  void SelecionaItem(const QString& titulo, std::int32_t IDVerbete);

 private:
  void m_picFundo_MouseDown(int button, int shift, double x, double y);
  void m_picFundo_Click();
  void imprimeTitulo(const QString& titulo);

  std::vector<CHistReg> m_itens;
  QPointer<PictureBox> m_picFundo;
  double m_alturaLinha = 1;
  std::int16_t m_linhasVisiveis = 0;
  std::int16_t m_linhaPressionada = -1;
};
