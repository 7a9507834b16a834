// The word lists and the letter picker: their binding, the background load
// of the letter list, and the handlers of their events.
#include "frmMain.h"

#include "Numbers.h"
#include "TabelaConfiguracoes.h"

namespace cfg = TabelaConfiguracoes;

// Each list knows the window's place on the screen (the tip follows the
// dragged thumb) and the "searching" picture.
void frmMain::ligaListas() {
  for (CList* listaAtual : {&lista, &lista2}) listaAtual->DefineJanela(&m_telaJanela, &picPesquisando);
  connect(&lista, &CList::IniciaCargaListaLetra, this, &frmMain::lista_IniciaCargaListaLetra);
  connect(&tmrListaCarga, &VbTimer::Timer, this, &frmMain::tmrListaCarga_Timer);
  // lista's SelecionaItem (which restarts tmrLista) and lista2's events are
  // handled with the keyboard and the results pages.
}

// Each list on its box, with the component and the tip box txtTip.
void frmMain::iniciaListas() {
  Pesquisa();  // made before it is lent
  for (auto [listaAtual, caixa] : {std::pair{&lista, &PicLista}, std::pair{&lista2, &picLista2}})
    listaAtual->Inicializa(*caixa, m_pesquisa, &txtTip);
}

void frmMain::ligaEscolheLetra() {
  m_EscolheLetra.Inicializa(imgLetras, imgLetraBackBuffer);
  // A click on the picker gives the word list the focus, as a click on the
  // list does: the next letter typed starts a new search.
  imgLetras.setFocusPolicy(Qt::ClickFocus);
  imgLetras.setFocusProxy(&PicLista);
  connect(&m_EscolheLetra, &CEscolheLetra::SelecionaLetra, this, &frmMain::m_EscolheLetra_SelecionaLetra);
}

// "Fonte lista" is read once for each list.
void frmMain::aplicaFonteLista() {
  for (CList* listaAtual : {&lista, &lista2}) {
    const QString fonte = config.LeReg(cfg::nome(cfg::FonteLista), cfg::padrao(cfg::FonteLista));
    listaAtual->AlteraFonte(static_cast<std::int16_t>(num::roundEven(num::val(fonte))));
  }
}

void frmMain::lista_IniciaCargaListaLetra(std::int32_t) { tmrListaCarga.setEnabled(true); }

// One page per tick, while pages remain.
void frmMain::tmrListaCarga_Timer() { tmrListaCarga.setEnabled(lista.CarregaListaLetra()); }

void frmMain::m_EscolheLetra_SelecionaLetra(const QString& letra) {
  picAguarde.show();
  lista.ListaLetra(letra, -1);
  selecionaLista(1);
  QString palavra;
  MostraVerbeteID(lista.ObtemPoslista(), palavra, true, true);
}
