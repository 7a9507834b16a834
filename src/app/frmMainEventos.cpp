// Handlers of the events of the history, the previous searches and the notes.
#include "frmMain.h"

// The history; the previous-searches panel in picBuscasAnteriores; the
// notes' box along the bottom edge.
void frmMain::ligaNavegacao() {
  connect(&m_Historico, &CHistorico::NavegaVerbete, this, &frmMain::m_Historico_NavegaVerbete);
  connect(&m_Historico, &CHistorico::NavegaPagina, this, &frmMain::m_Historico_NavegaPagina);
  connect(&m_Historico, &CHistorico::NavegaLista, this, &frmMain::m_Historico_NavegaLista);
  m_Buscas.Inicializa(picBuscasAnteriores);
  connect(&m_Buscas, &CBuscasAnteriores::SelecionaItem, this, &frmMain::m_Buscas_SelecionaItem);
  connect(&m_Notas, &CNotas::Posiciona, this, &frmMain::m_Notas_Posiciona);
}

void frmMain::m_Buscas_SelecionaItem(const QString&, std::int32_t IDVerbete) {
  QString palavra;
  MostraVerbeteID(IDVerbete, palavra, false, true);
}

void frmMain::m_Historico_NavegaVerbete(std::int32_t ID, const CHistReg& objHistReg) {
  m_browser.PalavraBusca(objHistReg.getBuscaPalavra(), objHistReg.getBuscaIniciada(),
                          objHistReg.getBuscaTerminada());
  m_browser.MarcaPalavra(true);
  QString palavra;
  MostraVerbeteID(ID, palavra, false, true);
}

void frmMain::m_Historico_NavegaPagina(const QString& arquivo, const CHistReg& objHistReg) {
  m_browser.PalavraBusca(objHistReg.getBuscaPalavra(), objHistReg.getBuscaIniciada(),
                          objHistReg.getBuscaTerminada());
  m_browser.MostraPagina(arquivo + u'?');
  m_Notas.VerificaVerbete(-1);
  AtualizaBotoesVerbete(true);
}

// A saved list page comes back with its highlighting and no side box, and
// the results list with its captions comes back to the page's search: an
// entry picked from the list is then marked with that search's words.
void frmMain::m_Historico_NavegaLista(const QString& Conteudo, const CHistReg& objHistReg) {
  defineDestaque(objHistReg.getBuscaPalavra(), objHistReg.getBuscaIniciada(), objHistReg.getBuscaTerminada());
  m_browser.MarcaPalavra(false);
  m_browser.MostraVerbete(Conteudo);
  m_browser.ListaAlternativas(QString(), QString());
  m_browser.MarcaPalavra(true);
  m_Notas.VerificaVerbete(-1);
  AtualizaBotoesVerbete(true);
  restauraResultados(objHistReg.getResultados());
}

// The note box sits along the window's bottom edge while it is shown, and
// the browser gives up or takes back its height.
void frmMain::m_Notas_Posiciona() {
  if (m_Notas.EhVisivel()) {
    const int alturaNota = txtNota.height();
    txtAnotacoes.move(txtAnotacoes.x(), height() - alturaNota - 50);
    txtNota.setGeometry(txtNota.x(), height() - alturaNota - 25, width() - txtNota.x() - 10, alturaNota);
    m_browser.Tamanho(static_cast<std::int16_t>(width()), static_cast<std::int16_t>(height() - alturaNota - 33));
  } else {
    m_browser.Tamanho(static_cast<std::int16_t>(width()), static_cast<std::int16_t>(height()));
  }
  update();  // the frames around the note box come and go with it
}
