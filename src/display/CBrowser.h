#pragma once

#include "Clipboard.h"
#include "MarcaBusca.h"
#include "WebBrowser.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

namespace modClipBoard {
class EscritorHTML;
}

// The browser area of the main window: every page is shown through it
// (entries, results and message pages built from resource strings, help
// pages, the start page). It keeps the page model: which entry template is
// loaded, the HTML waiting while one loads, the side box of alternatives and
// conjugation, the display model and the highlighting of the searched
// words. Link commands and pages that begin to load are reported through
// its events.
//
// Page state (getEstado): 0 nothing loaded yet; 1 an ordinary page is shown
// or loading; 2 an entry template is loaded and pages are written straight
// into it; 3 a template is loading and what is to be shown waits.
class CBrowser final : public QObject {
  Q_OBJECT

 public:
  // The window's controls the browser area lives in.
  struct Controles {
    QWidget* picRecortaBrowser = nullptr;  // holds the view and clips its border; null: no view
    QWidget* picAguarde = nullptr;         // loading cover, kept centred by Tamanho
    QWidget* picPesquisando = nullptr;     // searching notice, kept centred by Tamanho
  };
  // Makes the view of `navegador` as a child of `host`.
  using CriaVisao = std::function<QWidget*(QWidget* host, WebBrowser& navegador)>;
  struct Dependencias {
    Controles controles;
    std::function<QString()> montaTextoVersao;  // the credits page's version block (HTML)
    WebBrowser::ExternalOpener abreExterno;     // empty: the desktop's web browser
    CriaVisao criaVisao;                        // empty: a WebView
    clip::IClipboard* clipboard = nullptr;      // where the copy commands go; null: they do nothing
  };

  // Command numbers of getComandoBrowser.
  static constexpr std::int16_t kComandoVerbete = 1;
  static constexpr std::int16_t kComandoPalavra = 2;
  static constexpr std::int16_t kComandoVoltar = 3;

  explicit CBrowser(Dependencias dependencias, QObject* parent = nullptr);
  ~CBrowser() override;
  Q_DISABLE_COPY_MOVE(CBrowser)

  // Makes the view inside picRecortaBrowser at (-2, -2), 514 x 554 pixels,
  // below the box's other children, and shows it, on the next turn of the
  // event loop; the entry template becomes "\f1.htm". Navigates nowhere.
  void Inicializa();

  // Shows an ordinary page: state 1, then goes to `arquivo` (a full path or
  // address). An address ending in "?" is not reported to the history.
  void MostraPagina(const QString& arquivo);

  // Builds a page from resource string `intMensagem` and the pairs of
  // placeholder name and value in `valores` (MontaPaginaLista), raises
  // Historico with it and shows it in the template (loading the template
  // first when it is not loaded). The side lists are emptied.
  void MostraLista(std::int16_t intMensagem, const QStringList& valores);

  // Shows the HTML of an entry after the hidden side box (resource string
  // 400), then highlights the search (MarcarTexto) when that is on; loads the
  // template first when it is not loaded. Carregado follows the writing.
  void MostraVerbete(const QString& Descricao);

  // The side box's lists: written at once when the template is loaded (the
  // separator, resource string 600, when both are there), kept for the
  // writing when it is loading, ignored otherwise.
  void ListaAlternativas(const QString& strListaAlternativas, const QString& strListaConjugacao);

  // Shows (true) or hides the side box; a page without one is left alone.
  void MostrarListaAlternativa(bool bMostra);

  // Lays the browser area out for a window client area X by Y pixels:
  // picRecortaBrowser keeps its place and gets X - left - 10 by
  // Y - top - 23; the view overlaps it by 2 on every side; picAguarde and
  // picPesquisando are centred in it.
  void Tamanho(std::int16_t X, std::int16_t Y);

  // Highlighting: the search texts, the switch and the colours (0xBBGGRR).
  void PalavraBusca(const QString& palavra, const QString& Iniciada, const QString& Terminada);
  void MarcaPalavra(bool Valor);
  void DefineCorPalavraEncontrada(std::int32_t corFundo, std::int32_t corTexto);
  // Paints the search in the page shown (MarcaBusca).
  void MarcarTexto();

  // Switches the display model (0 to 2: templates f1.htm to f3.htm). Unless
  // an ordinary page is shown, the template loads again and the page on
  // screen is written into it anew; getCodModelo becomes `codTipo` even when
  // it is no model. With an ordinary page shown only the template changes.
  void AlteraModelo(std::int16_t codTipo);

  // The display-model button under the pointer, 1 to 3, or 0 for none.
  void setUsandoBotoes(std::int16_t Valor);
  // "BTNVISUAL" & cod, & "SELECIONADO" when button `cod` is to look
  // selected: the button under the pointer, or with none, the current model's.
  QString ObtemVisualNome(std::int16_t cod) const;

  // Opens the maker's web site in the user's web browser.
  void AbreWeb();

  // Prints the page shown, through the print dialog. When the side box is
  // shown, the entry is printed without its alternatives and highlighting
  // but with its conjugation, and the page on screen is put back afterwards.
  void Imprimir();
  // Puts the entry last shown on the clipboard as HTML (with the complete
  // model's style sheet) and as plain text; only while a template is loaded
  // (state 2).
  void CopiaVerbete();
  // Puts the conjugation tables on the clipboard as HTML and as plain text,
  // one line per table row; nothing without a conjugation.
  void CopiaVerbo();
  // Whether there is an entry and a conjugation to copy.
  void TemElementos(bool& verbete, bool& Conjugacao) const;

  // The last link command (0 before the first), the id of the last entry
  // link and the word of the last word link.
  std::int16_t getComandoBrowser() const { return m_Comando; }
  std::int32_t getIdClicadoLista() const { return m_IdClicado; }
  QString getPalavraClicada() const { return m_PalavraClicada; }

  // The page model, for printing and copying.
  std::int16_t getEstado() const { return m_Estado; }
  // The entry last written (or the page waiting for the template).
  const QString& getHTML() const { return m_HTML; }
  const QString& getAlternativas() const { return m_Alternativas; }
  std::int16_t getCodModelo() const { return m_CodModelo; }
  const QString& getArquivoModelo() const { return m_ArquivoModelo; }

  WebBrowser& navegador() { return m_Navegador; }
  // The view made by Inicializa (null before, or without a host).
  QWidget* visao() const { return m_Browser; }

  // The address AbreWeb opens.
  static const QString kSiteFabricante;

 signals:
  // A page from MostraLista or an entry from MostraVerbete was written into
  // the template (at once or when it loaded), or a model switch wrote the
  // page again. Never for MostraPagina.
  void Carregado();
  // A link command was clicked (1 entry, 2 word, 3 back); read it with the
  // getters, after the event has returned.
  void ExecComando(std::int16_t idComando);
  // MostraLista's finished page, before it is shown.
  void Historico(const QString& Conteudo);
  // A navigation to an ordinary page began.
  void HistPagina(const QString& URL);

 private:
  void m_Browser_BeforeNavigate2(const QString& URL, bool& Cancel);
  void m_Browser_DocumentComplete(const QString& URL);

  void MontaVisao();
  void CarregaModelo(const QString& html);
  void EscreveArea(const QString& html);
  bool DeveMarcar() const { return m_Marcar && !m_Busca.vazio(); }
  void EscreveVersoes();

  Dependencias m_Dependencias;
  WebBrowser m_Navegador;
  QPointer<QWidget> m_Browser;
  bool m_VisaoPedida = false;
  QRect m_GeometriaVisao{-2, -2, 514, 554};

  std::int16_t m_Estado = 0;
  QString m_HTML;
  QString m_Alternativas;
  QString m_Conjugacao;
  TermosBusca m_Busca;  // m_Palavra, m_Iniciada, m_Terminada
  bool m_Marcar = false;
  bool m_EhLista = false;
  bool m_Creditos = false;
  QString m_ArquivoModelo;
  std::int16_t m_CodModelo = 0;
  std::int16_t m_BotaoVisual = 0;
  std::int32_t m_IdClicado = 0;
  QString m_PalavraClicada;
  std::int16_t m_Comando = 0;
  std::int32_t m_CorFundo = 0;
  std::int32_t m_CorTexto = 0;
  std::unique_ptr<modClipBoard::EscritorHTML> m_Escritor;  // null without a clipboard
};
