// Handlers of the events of the history, the previous searches and the notes.
#include "frmMain.h"

void frmMain::m_Buscas_SelecionaItem(const QString&, std::int32_t) {
  // MostraVerbeteID(IDVerbete, "", gravaHistorico False, sincronizaLista
  // True) shows the item's entry here.
}

void frmMain::m_Historico_NavegaVerbete(std::int32_t, const CHistReg&) {
  // The browser host gets the step's three search strings (PalavraBusca)
  // with highlighting on, then MostraVerbeteID(ID, "", False, True) shows
  // the entry here.
}

void frmMain::m_Historico_NavegaPagina(const QString&, const CHistReg&) {
  // The browser host gets the step's three search strings and shows the
  // page file (its address followed by "?") here.
  m_Notas->VerificaVerbete(-1);
  // The entry toolbar is hidden here (AtualizaBotoesVerbete True).
}

void frmMain::m_Historico_NavegaLista(const QString&, const CHistReg&) {
  // The browser host gets the step's three search strings and writes the
  // saved HTML with highlighting off, no alternatives and highlighting back
  // on here.
  m_Notas->VerificaVerbete(-1);
  // The entry toolbar is hidden here (AtualizaBotoesVerbete True).
}

// The note box sits along the window's bottom edge while it is shown, and
// the browser gives up or takes back its height.
void frmMain::m_Notas_Posiciona() {
  if (m_Notas->EhVisivel()) {
    const int alturaNota = txtNota->height();
    txtAnotacoes->move(txtAnotacoes->x(), height() - alturaNota - 50);
    txtNota->setGeometry(txtNota->x(), height() - alturaNota - 25, width() - txtNota->x() - 10, alturaNota);
    // The browser host is sized to (width, height - the note's height - 33) here.
  } else {
    // The browser host is sized to the whole window (width, height) here.
  }
  update();  // the frames around the note box come and go with it
}
