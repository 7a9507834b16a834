#pragma once

#include "CHistReg.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <deque>

// The back-and-forward history of what the display showed: up to 50 steps,
// oldest first, and a current position. Adding a step after stepping back
// drops the steps that lay ahead. A step back or forward records nothing and
// removes nothing; it only tells the owner, by an event, what to show again.
class CHistorico final : public QObject {
  Q_OBJECT

 public:
  static constexpr int LimitePassos = 50;

  explicit CHistorico(QObject* parent = nullptr);
  Q_DISABLE_COPY_MOVE(CHistorico)

  // Records the entry `ID` (title: its cleaned headword) with the search
  // that led to it. Nothing changes when the current step is already an
  // entry step of the same id, and the steps ahead then stay.
  void Adiciona(const QString& titulo, std::int32_t ID, const QString& BuscaPalavra = {},
                const QString& BuscaIniciada = {}, const QString& BuscaTerminada = {});
  // Records a page file (always, even the same file twice in a row).
  void AdicionaArquivo(const QString& titulo, const QString& arquivo);
  // Records a list page with its HTML and what the results list held with
  // it (always, even the same page twice).
  void AdicionaLista(const QString& Conteudo, const QString& BuscaPalavra = {}, const QString& BuscaIniciada = {},
                     const QString& BuscaTerminada = {}, const ResultadosLista& resultados = {});

  // One step back / forward, raising the event of that step's kind; at the
  // first (or last) step, or with no steps, nothing happens.
  void Anterior();
  void Proximo();

  // The number of steps, and the 1-based position of the current one (0
  // while the history is empty).
  int Quantidade() const { return static_cast<int>(m_passos.size()); }
  int Posicao() const { return m_posicao; }
  // The step at 1-based `indice`, 1 <= indice <= Quantidade().
  const CHistReg& Passo(int indice) const { return m_passos.at(static_cast<std::size_t>(indice - 1)); }

 signals:
  // Each carries a copy of the step's id, file or content, and the step
  // itself (a copy, valid for the handler's whole run).
  void NavegaVerbete(std::int32_t ID, const CHistReg& objHistReg);
  void NavegaPagina(const QString& arquivo, const CHistReg& objHistReg);
  void NavegaLista(const QString& Conteudo, const CHistReg& objHistReg);

 private:
  void acrescenta(const CHistReg& passo);
  void navega(int posicao);

  std::deque<CHistReg> m_passos;
  int m_posicao = 0;
};
