#include "CHistReg.h"

void CHistReg::Dados(const QString& titulo, std::int32_t ID, const QString& BuscaPalavra,
                     const QString& BuscaIniciada, const QString& BuscaTerminada) {
  m_tipo = Tipo::Verbete;
  m_titulo = titulo;
  m_id = ID;
  m_buscaPalavra = BuscaPalavra;
  m_buscaIniciada = BuscaIniciada;
  m_buscaTerminada = BuscaTerminada;
}

void CHistReg::Dados_Paginas(const QString& titulo, const QString& arquivo) {
  m_tipo = Tipo::Pagina;
  m_titulo = titulo;
  m_arquivo = arquivo;
}

void CHistReg::Dados_Lista(const QString& Conteudo, const QString& BuscaPalavra, const QString& BuscaIniciada,
                           const QString& BuscaTerminada, const ResultadosLista& resultados) {
  m_tipo = Tipo::Lista;
  m_conteudo = Conteudo;
  m_buscaPalavra = BuscaPalavra;
  m_buscaIniciada = BuscaIniciada;
  m_buscaTerminada = BuscaTerminada;
  m_resultados = resultados;
}
