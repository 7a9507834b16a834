// The browser host: its creation and settings, and its events.
#include "frmMain.h"

#include "MontaTextoVersao.h"
#include "Numbers.h"
#include "ResourceStrings.h"
#include "TabelaConfiguracoes.h"
#include "WebViewHost.h"

namespace cfg = TabelaConfiguracoes;

namespace {

constexpr int kSemNavegador = 910;  // resource string: no web browser took the address

}  // namespace

CBrowser::Dependencias frmMain::dependenciasBrowser() {
  return {{&picRecortaBrowser, &picAguarde, &picPesquisando},
          [this] { return modMain::MontaTextoVersao(config, Pesquisa()); },
          [this](const QUrl& endereco) { abreForaDoPrograma(endereco); },
          m_servicos.criaVisao,
          m_servicos.clipboard};
}

void frmMain::ligaBrowser() {
  connect(&m_browser, &CBrowser::Carregado, this, &frmMain::m_Browser_Carregado);
  connect(&m_browser, &CBrowser::ExecComando, this, &frmMain::m_browser_ExecComando);
  connect(&m_browser, &CBrowser::Historico, this, &frmMain::m_browser_Historico);
  connect(&m_browser, &CBrowser::HistPagina, this, &frmMain::m_browser_HistPagina);
  connect(&tmrComandoBrowser, &VbTimer::Timer, this, &frmMain::tmrComandoBrowser_Timer);
}

void frmMain::iniciaBrowser() {
  m_browser.Inicializa();
  // The page view comes once the window shows; the window's native window is
  // made ready for it now, so that it is made once.
  if (!m_servicos.criaVisao) webview::prepareHostWindow(*this);
}

// The highlight colours, background read first.
void frmMain::aplicaCoresMarca() {
  const auto numero = [this](const cfg::Valor& valor) {
    return num::roundEven(num::val(config.LeReg(cfg::nome(valor), cfg::padrao(valor))));
  };
  const std::int32_t fundo = numero(cfg::MarcaCorFundo);
  const std::int32_t texto = numero(cfg::MarcaCorTexto);
  m_browser.DefineCorPalavraEncontrada(fundo, texto);
}

void frmMain::aplicaModelo() {
  const QString modelo = config.LeReg(cfg::nome(cfg::FormaApresentacao), cfg::padrao(cfg::FormaApresentacao));
  m_browser.AlteraModelo(static_cast<std::int16_t>(num::roundEven(num::val(modelo))));
}

void frmMain::m_Browser_Carregado() { picAguarde.hide(); }

// The maker's site and the links of pages that lead out of the program.
void frmMain::abreForaDoPrograma(const QUrl& endereco) {
  if (m_abreWeb->open(endereco)) return;
  const QString aviso = LoadResString(kSemNavegador).replace(QStringLiteral("%1"), endereco.toDisplayString());
  m_servicos.dialogos.MsgBox(aviso, dlg::vbExclamation, LoadResString(100));
}

// The command is read back on the tick, after the navigation event returned.
void frmMain::m_browser_ExecComando(std::int16_t) { tmrComandoBrowser.setEnabled(true); }

void frmMain::m_browser_Historico(const QString& Conteudo) {
  QString palavra, iniciada, terminada;
  lista2.getPalavraBusca(palavra, iniciada, terminada);
  m_Historico.AdicionaLista(Conteudo, palavra, iniciada, terminada, resultadosAtuais());
}

void frmMain::m_browser_HistPagina(const QString& URL) {
  m_Historico.AdicionaArquivo(QStringLiteral("Manual"), URL);
}

void frmMain::tmrComandoBrowser_Timer() {
  tmrComandoBrowser.setEnabled(false);
  switch (m_browser.getComandoBrowser()) {
    case CBrowser::kComandoVerbete: {
      QString palavra;
      MostraVerbeteID(m_browser.getIdClicadoLista(), palavra, true, true);
      break;
    }
    case CBrowser::kComandoPalavra: {
      QString palavra = m_browser.getPalavraClicada();
      TrataPalavraClicada(palavra);
      break;
    }
    case CBrowser::kComandoVoltar:
      m_Historico.Anterior();
      break;
    default:
      break;
  }
}
