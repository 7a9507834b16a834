#include "CHistorico.h"

CHistorico::CHistorico(QObject* parent) : QObject(parent) {}

void CHistorico::Adiciona(const QString& titulo, std::int32_t ID, const QString& BuscaPalavra,
                          const QString& BuscaIniciada, const QString& BuscaTerminada) {
  // Only an entry step counts as "the same entry": page and list steps carry
  // id 0, and entry 0 shown after one of them is a new step.
  if (m_posicao > 0) {
    const CHistReg& atual = Passo(m_posicao);
    if (atual.getTipo() == CHistReg::Tipo::Verbete && atual.getIDVerbete() == ID) return;
  }
  CHistReg passo;
  passo.Dados(titulo, ID, BuscaPalavra, BuscaIniciada, BuscaTerminada);
  acrescenta(passo);
}

void CHistorico::AdicionaArquivo(const QString& titulo, const QString& arquivo) {
  CHistReg passo;
  passo.Dados_Paginas(titulo, arquivo);
  acrescenta(passo);
}

void CHistorico::AdicionaLista(const QString& Conteudo, const QString& BuscaPalavra, const QString& BuscaIniciada,
                               const QString& BuscaTerminada, const ResultadosLista& resultados) {
  CHistReg passo;
  passo.Dados_Lista(Conteudo, BuscaPalavra, BuscaIniciada, BuscaTerminada, resultados);
  acrescenta(passo);
}

void CHistorico::acrescenta(const CHistReg& passo) {
  m_passos.resize(static_cast<std::size_t>(m_posicao));
  if (m_posicao == LimitePassos) {
    m_passos.pop_front();
    --m_posicao;
  }
  m_passos.push_back(passo);
  ++m_posicao;
}

void CHistorico::Anterior() {
  if (m_posicao > 1) navega(m_posicao - 1);
}

void CHistorico::Proximo() {
  if (m_posicao < Quantidade()) navega(m_posicao + 1);
}

void CHistorico::navega(int posicao) {
  m_posicao = posicao;
  // A copy, so that a handler that changes the history cannot pull the step
  // from under its own arguments.
  const CHistReg passo = Passo(posicao);
  switch (passo.getTipo()) {
    case CHistReg::Tipo::Verbete:
      emit NavegaVerbete(passo.getIDVerbete(), passo);
      break;
    case CHistReg::Tipo::Pagina:
      emit NavegaPagina(passo.getArquivo(), passo);
      break;
    case CHistReg::Tipo::Lista:
      emit NavegaLista(passo.getConteudo(), passo);
      break;
    case CHistReg::Tipo::Nenhum:
      break;
  }
}
