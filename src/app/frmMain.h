#pragma once

#include "CBrowser.h"
#include "CBuscasAnteriores.h"
#include "CConfig.h"
#include "CEscolheLetra.h"
#include "CHistorico.h"
#include "CList.h"
#include "CNotas.h"
#include "IJanelaPrincipal.h"
#include "IMiniVocabraDB.h"
#include "ImageControl.h"
#include "PictureBox.h"
#include "ResourceImages.h"
#include "ResultadosLista.h"
#include "Servicos.h"
#include "VbTimer.h"
#include "WindowScreen.h"
#include "frmMenu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPicture>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <memory>
#include <utility>

class ProcJanela;
class QPainter;

// The main window: borderless, skinned, the owner of every control and
// component. Its controls and components are made with it; Form_Load reads
// the settings and the data and binds the components to them. Other
// windows and the program drive it through ComandoMenu and the few public
// operations below.
//
// Its procedures are split by concern over these sources:
//   frmMain.cpp                  the constructor: the controls at their design
//                                places and their wiring; the window's twips,
//                                painting and window events
//   frmMainInicio.cpp            Form_Load, the first activation, shutdown
//   frmMainListas.cpp            the word lists and the letter picker
//   frmMainEventos.cpp           the history's, previous searches' and notes' events
//   frmMainBrowser.cpp           the browser host and its events
//   frmMainVerbete.cpp           showing an entry, the typed look-up, the list switch
//   frmMainTeclado.cpp           the keyboard and the timers it arms
//   frmMainBusca.cpp             the search executor
//   frmMainFiltros.cpp           the grammatical-class filters and the caption
//   frmMainResultados.cpp        the results list's searches and events
//   frmMainPalavraClicada.cpp    a clicked word and the abbreviation tip
//   frmMainPainelBusca.cpp       the search panel's controls and shapes
//   frmMainLayout.cpp            the layout at the window's size and its painting
//   frmMainChrome.cpp            hover skins, the window buttons, drag and resize
//   frmMainMenus.cpp             the toolbar's menus and the command dispatcher
// Tests reach its insides through frmMainTeste.h.
class frmMain final : public QWidget, public IJanelaPrincipal {
  Q_OBJECT

 public:
  // The design size of the window, in pixels.
  static constexpr int LarguraProjeto = 846;
  static constexpr int AlturaProjeto = 638;
  // The smallest size the window takes, in pixels.
  static constexpr int LarguraMinima = 640;
  static constexpr int AlturaMinima = 490;
  // The width of the corner piece behind the window buttons: from 4 pixels
  // left of the minimise button to the right edge, so that it stays clear
  // of the note button even on the narrowest window.
  static constexpr int LarguraCanto = 66;
  // Where the list selector's word-list tab ends, in twips.
  static constexpr double DivisaAbasTwips = 1035;

  // Makes the controls and the components; reads no setting and no data.
  explicit frmMain(Servicos servicos, QWidget* parent = nullptr);
  ~frmMain() override;
  Q_DISABLE_COPY_MOVE(frmMain)

  // Sets the window up; false when the program must end (another instance
  // runs, or the data cannot be read: the user has been told).
  bool Form_Load();
  // The first activation; later ones do nothing.
  void Form_Activate();
  // Shutdown, in order, when the window closes.
  void Form_QueryUnload();
  void Form_Unload();
  // Saves the settings the unload saves (the window's placement and state,
  // the search mode, the previous searches) and leaves the window as it is.
  void GravaEstado();
  // Closes the window because the session ends (a termination signal, the
  // session's quit): the unload runs without asking the user anything.
  void FechaFimDeSessao();

  // Runs a command given by name (exact, case-sensitive): "avancar",
  // "voltar", "inicio", "imprimir", "nota", "verbete1" to "verbete3",
  // "sair", "atualizarCSS", "atualizarmarca", "atualizarlista",
  // "atualizagerais", "DirNotas". Any other string, or any before Form_Load
  // has set the window up, does nothing. The way other windows drive this
  // one.
  void ComandoMenu(const QString& Comando);

  // The page view of the browser area; null until it is made, on a turn of
  // the event loop after Form_Load.
  QWidget* visaoPagina() const { return m_browser.visao(); }

  // IJanelaPrincipal
  QRect retanguloTwips() const override;
  void moveTwips(const QRect& retangulo) override;
  bool minimizada() const override;
  void minimiza() override;
  void mostraRedimensionador(bool visivel) override;
  double twipsPorPixelX() const override;
  double twipsPorPixelY() const override;
  const scr::IScreen& tela() const override { return m_servicos.tela; }

 signals:
  // The window has unloaded: the program ends.
  void Encerrado();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class frmMainTeste;
  // Shows the window every key before the focused control (frmMainTeclado.cpp).
  class PreviaTeclado;

  // --- Start-up and shutdown (frmMainInicio.cpp).
  // The dictionary component, made on first use.
  IMiniVocabraDB& Pesquisa();
  // Lets the next use make a new component (after a run-time error).
  void LiberaPesquisa() { m_pesquisa.reset(); }
  bool temPesquisa() const { return m_pesquisa != nullptr; }
  void DefineDirNotas();
  QString dirNotas();
  // The "sum the filters" box, the window's placement and state and the
  // maximise button's picture, as the last run left them.
  void restauraSituacao();
  void leNotas();
  void subclassifica();
  bool subclassificada() const { return m_procJanela != nullptr; }
  // The window procedure's two messages: the pointer moved over the bare
  // form, the left button was released over it.
  void TrataMouseMove();
  void TrataLButtonUp();
  // Whether a close may go on: true unless the open note cannot be saved
  // and the user chooses to keep the window.
  bool podeFecharComNota();

  // --- The design (frmMain.cpp).
  void criaControles();
  void criaBarraFerramentas();
  void criaPainelBusca();
  void defineDicas();
  void desenhaFundo(QPainter& pintor) const;
  // The two grey frames around the note box while it is shown.
  void desenhaMolduraNota(QPainter& pintor) const;

  // --- The components' events (frmMainEventos.cpp).
  void ligaNavegacao();
  void m_Buscas_SelecionaItem(const QString& titulo, std::int32_t IDVerbete);
  void m_Historico_NavegaVerbete(std::int32_t ID, const CHistReg& objHistReg);
  void m_Historico_NavegaPagina(const QString& arquivo, const CHistReg& objHistReg);
  void m_Historico_NavegaLista(const QString& Conteudo, const CHistReg& objHistReg);
  void m_Notas_Posiciona();

  // --- The browser host and its events (frmMainBrowser.cpp).
  CBrowser::Dependencias dependenciasBrowser();
  void ligaBrowser();
  void iniciaBrowser();
  void aplicaCoresMarca();
  void aplicaModelo();
  void m_Browser_Carregado();
  void m_browser_ExecComando(std::int16_t idComando);
  void m_browser_Historico(const QString& Conteudo);
  void m_browser_HistPagina(const QString& URL);
  // Hands an address outside the program to the web browser, and tells the
  // user when no browser takes it.
  void abreForaDoPrograma(const QUrl& endereco);
  void tmrComandoBrowser_Timer();

  // --- Showing an entry (frmMainVerbete.cpp).
  // The word of a raw headword: its first 39 characters trimmed, cut before
  // the homograph mark (character 160), without "." and ":".
  static QString limpaVerbete(const QString& verbete);
  // The title of a raw headword: its first 39 characters trimmed.
  static QString limpaVerbete1(const QString& verbete);
  // The box of the other entries a flexible search for `palavra` finds,
  // linked by id; "" when it finds fewer than two entries.
  QString MontaAlternativas(const QString& palavra, std::int32_t ID);
  // The words of a full-text query, each followed by the forms the
  // dictionary knows for it, separated by single blanks.
  QString ExpandeFormasFrase(const QString& frase);
  // Shows entry `ID` and brings the window into line with it; `palavra`
  // receives the entry's cleaned word. A newer request started while this
  // one yields makes it stop at its next checkpoint. An id that names no
  // entry changes nothing and records nothing. A run-time error of the
  // component ends it and replaces the component. The wait picture goes in
  // every case but the stop for a newer request, which takes it over.
  void MostraVerbeteID(std::int32_t ID, QString& palavra, bool gravaHistorico, bool sincronizaLista);
  // The steps of MostraVerbeteID after the entry is fetched; false when no
  // entry has the id or a newer request took over at a checkpoint.
  bool mostraVerbete(std::int32_t ID, QString& palavra, bool gravaHistorico, bool sincronizaLista);
  void sincronizaListas(std::int32_t ID, const QString& palavra, bool sincronizaLista);
  QString montaConjugacaoVerbete(std::int32_t ID, const QString& titulo);
  // Yields to the event loop; true while request `ID` is still the latest.
  bool continuaPedido(std::int32_t ID);
  // The incremental look-up of typed text: the text, else its prefixes down
  // to two characters.
  void BuscaPalavraDigitada(const QString& texto);
  // 1 shows the word list and the letter picker with highlighting off; any
  // other value the results list with highlighting on.
  void selecionaLista(std::int16_t num);
  // Shows (False) or hides (True) the entry toolbar.
  void AtualizaBotoesVerbete(bool semVerbete);

  // --- Keys and the timers they arm (frmMainTeclado.cpp). The window sees
  // every key before the focused control does.
  void ligaTeclado();
  void instalaTeclado();
  // Whether typing alone may look a word up (the plain search).
  bool VerificaBusca() const;
  void Form_KeyDown(int& KeyCode, int Shift);
  void Form_KeyUp(int& KeyCode, int& Shift);
  void txtEntrada_KeyDown(int& KeyCode, int Shift);
  void redirecionaTecla(const QWidget* ativo, int& KeyCode, int Shift);
  void digitaEmCampo(QLineEdit& campo, int KeyCode, int Shift);
  void tmrBusca_Timer();
  void tmrLista_Timer();
  void lista_SelecionaItem(const QString& TituloVerbete, std::int32_t IDVerbete);

  // --- The word lists and the letter picker (frmMainListas.cpp).
  void ligaListas();
  void ligaEscolheLetra();
  void iniciaListas();
  void aplicaFonteLista();
  void lista_IniciaCargaListaLetra(std::int32_t posInicial);
  void tmrListaCarga_Timer();
  void m_EscolheLetra_SelecionaLetra(const QString& letra);

  // --- The search executor (frmMainBusca.cpp): one search on the results
  // list, or the page that says why the query cannot run.
  void ExecutaBusca();
  void btBuscar_Click() { ExecutaBusca(); }
  void buscaPainel();
  void descreveLblFiltros();
  void buscaAvancada(const QString& filtros);
  void buscaNoTexto(const QString& filtros);
  void defineDestaque(const QString& palavras, const QString& iniciada, const QString& terminada);
  void recusaLetraUnica();
  void limpaLblFiltros();

  // --- The filters (frmMainFiltros.cpp).
  void CarregaFiltros();
  QString ObtemFiltros() const;
  QString DescreveFiltros() const;
  static QString FormataNumVerbetes(std::int32_t n);
  void SubstituiMarcadores(int id, const QStringList& pares);
  // The value of the "sum the filters" box (the general options dialog's
  // and the start-up's): any value but 0 ticks it.
  void marcaSomarFiltros(int valor);

  // --- The results list's searches and events (frmMainResultados.cpp).
  // Every search on the results list goes through pesquisaResultados, which
  // keeps it in m_buscaLista; the filters are summed when the sum box is
  // ticked.
  void ligaResultados();
  void pesquisaResultados(BuscaLista::Tipo tipo, const QString& texto, const QString& filtros);
  void executaBuscaLista();
  // What the results list shows, for the history's list pages.
  ResultadosLista resultadosAtuais() const;
  // Brings the results list and its captions back to those of a list page
  // of the history; the list's search runs again only when it differs.
  void restauraResultados(const ResultadosLista& resultados);
  void lista2_RetornoBusca(const QString& palavra, const QString& strLista, std::int32_t tamLista,
                           std::int16_t tipoPesquisa);
  void lista2_NaoEncontrado(const QString& palavra, std::int16_t tipoPesquisa);
  void lista2_SelecionaItem(const QString& TituloVerbete, std::int32_t IDVerbete);

  // --- The clicked word of an entry: an abbreviation's tip, or a flexible
  // search without filters (frmMainPalavraClicada.cpp).
  void TrataPalavraClicada(QString& palavra);
  bool mostraAbreviatura(const QString& palavra);
  void picTipAbrev_MouseMove();
  void tmrTip_Timer();

  // --- The search panel's controls and shapes (frmMainPainelBusca.cpp):
  // opening and closing the advanced panel, the filter combo, and the
  // option boxes' single field or pair of fields.
  void criaPainelAvancado();
  void criaFundos();
  void criaTipAbreviatura();
  void imgAvancada_Click();
  void imgFechar_Click();
  void cmbFiltro_Click();
  void chkAvancada_Click(int Index);
  void mostraFiltros(bool visivel);

  // --- The layout and painting of the window (frmMainLayout.cpp).
  // Lays the window out at its size, within its 640 x 490 minimum.
  void Form_Resize();
  void moveBlocoBusca(int P);
  void posicionaBarra(int W);
  void posicionaBrowser(int W, int H);
  void ajustaAlturaListas();
  void desenhaForm(int W, int H);

  // --- Window chrome: hover skins, the buttons' handlers, drag and resize
  // (frmMainChrome.cpp). Release handlers act only on a release inside
  // their control (0 <= X <= width, 0 <= Y <= height, in twips); the
  // command dispatcher and the keyboard run them with all arguments 0,
  // which counts as inside.
  void ligaChrome();
  void ligaBotao(ImageControl& botao, void (frmMain::*solta)(int, int, double, double));
  // A release inside the control, its far edges included.
  static bool soltouDentro(const ImageControl& controle, double X, double Y);
  // Gives `btn` its hover skin (its bitmap name followed by "SELECIONADO",
  // Tag "selecionado") and clears every other one, unless a mouse button is
  // held (`Button` != 0). The display-model buttons' pictures are refreshed
  // first in either case. A control already marked is not reloaded.
  void MarcarBotao(ImageControl* btn, std::int16_t Button);
  // Clears every hover skin except the one on `btnNaoDesmarcar` (null: all),
  // then lets the display-model buttons show the current model again.
  void DesmarcarBotoes(ImageControl* btnNaoDesmarcar = nullptr);
  void atualizaBotoesVisual();
  QString bitmapMaximizar() const;
  std::array<std::pair<ImageControl*, QString>, 10> botoesComPele();
  void btAnterior_MouseUp(int Button, int Shift, double X, double Y);
  void btProximo_MouseUp(int Button, int Shift, double X, double Y);
  void btCasa_MouseUp(int Button, int Shift, double X, double Y);
  // `indice` 0 to 2: display models 0 to 2.
  void btVisual_MouseUp(int indice, int Button, int Shift, double X, double Y);
  void imgPrinter_MouseUp(int Button, int Shift, double X, double Y);
  void imgNota_MouseUp(int Button, int Shift, double X, double Y);
  void imgMin_MouseUp(int Button, int Shift, double X, double Y);
  void imgMax_MouseDown(int Button, int Shift, double X, double Y);
  void imgMax_MouseUp(int Button, int Shift, double X, double Y);
  void imgClose_MouseUp(int Button, int Shift, double X, double Y);
  void imgMove_MouseDown(int Button, int Shift, double X, double Y);
  void ImgResize_MouseDown(int Button, int Shift, double X, double Y);
  // The list selector: the left 1035 twips choose the word list, the rest
  // the results list (any release point).
  void imgBtSelLista_MouseUp(int Index, int Button, int Shift, double X, double Y);

  // --- The toolbar's menus (frmMainMenus.cpp).
  frmMenu::Dependencias dependenciasMenus();
  // Pop up the file and help menus below their buttons and return when the
  // menu has closed (a chosen item has run its command).
  void imgArquivo_MouseUp(int Button, int Shift, double X, double Y);
  void imgAjuda_MouseUp(int Button, int Shift, double X, double Y);
  void abreMenu(ImageControl& botao, const QString& bitmapMenu, QMenu& menu);

  Servicos m_servicos;

  // The controls, in the order they stack, each owned by the window or by
  // the control it sits in (declared after it).
  ImageControl imgMove{this};
  // The toolbar and the window buttons.
  ImageControl imgArquivo{this};
  ImageControl imgAjuda{this};
  ImageControl btCasa{this};
  ImageControl btAnterior{this};
  ImageControl btProximo{this};
  std::array<ImageControl, 3> btVisual{{ImageControl(this), ImageControl(this), ImageControl(this)}};
  ImageControl imgPrinter{this};
  ImageControl imgNota{this};
  ImageControl imgMin{this};
  ImageControl imgMax{this};
  ImageControl imgClose{this};
  ImageControl ImgResize{this};
  // The search panel: the single field, the option boxes and the caption
  // above the results list; then the pair of fields, their captions, the
  // advanced options, the filter combo and list, the panel's open and close
  // images, the search button, the list tabs, the filter caption and the
  // background pieces.
  QLineEdit txtEntrada{this};
  std::array<QCheckBox, 4> chkAvancada{{QCheckBox(this), QCheckBox(this), QCheckBox(this), QCheckBox(this)}};
  QLabel lblDescricaoPesquisa{this};
  QLineEdit txtEntrada1{this};
  QLineEdit txtEntrada2{this};
  std::array<QLabel, 4> lblPesquisa{{QLabel(this), QLabel(this), QLabel(this), QLabel(this)}};
  QLabel imgPesqAvancada{this};
  QComboBox cmbFiltro{this};
  QListWidget lstFiltros{this};
  ImageControl imgAvancada{this};
  ImageControl imgFechar{this};
  QPushButton btBuscar{this};
  std::array<ImageControl, 2> imgBtSelLista{{ImageControl(this), ImageControl(this)}};
  QLabel lblFiltros{this};
  std::array<ImageControl, 3> imgFundo{{ImageControl(this), ImageControl(this), ImageControl(this)}};
  // The abbreviation tip beside the pointer and its timer (300 ms, off at
  // design).
  PictureBox picTipAbrev{this};
  QLabel txtTipAbrev{&picTipAbrev};
  VbTimer tmrTip{this, 300};
  // The two word lists and the tip of the dragged thumb, the letter picker,
  // the previous searches, the browser area with its busy pictures, the
  // note box and the maker's name.
  PictureBox PicLista{this};
  PictureBox picLista2{this};
  QLabel txtTip{this};
  PictureBox imgLetras{this};
  PictureBox imgLetraBackBuffer{this};
  PictureBox picBuscasAnteriores{this};
  QWidget picRecortaBrowser{this};
  PictureBox picAguarde{&picRecortaBrowser};
  PictureBox picPesquisando{&picRecortaBrowser};
  QPlainTextEdit txtNota{this};
  QLabel txtAnotacoes{this};
  QWidget picNomeEmpresa{this};
  QLabel lblNomeEmpresa{&picNomeEmpresa};
  // Loads the letter list one page per tick (1 ms, off at design).
  VbTimer tmrListaCarga{this, 1};
  // The typing debounce (350 ms), the list pick (200 ms) and the link
  // command raised inside a navigation (1 ms).
  VbTimer tmrBusca{this, 350};
  VbTimer tmrLista{this, 200};
  VbTimer tmrComandoBrowser{this, 1};

  // The components, made with the window; Form_Load binds them to the
  // settings and the data. Each outlives the controls it was given.
  QtWindowScreen m_telaJanela{*this, m_servicos.tela};
  CConfig config{m_servicos.registro, m_servicos.dialogos};
  // The alphabetical word list (on PicLista) and the results list (on
  // picLista2).
  CList lista;
  CList lista2;
  // The letter picker on imgLetras.
  CEscolheLetra m_EscolheLetra;
  CHistorico m_Historico;
  CBuscasAnteriores m_Buscas;
  CNotas m_Notas{m_servicos.dialogos};
  // The user's web browser, for addresses outside the program.
  std::shared_ptr<IWebOpener> m_abreWeb = servicoOuReal<QtWebOpener>(m_servicos.abreWeb);
  CBrowser m_browser{dependenciasBrowser()};
  // The window system's move and resize loops, and the popup menus.
  std::shared_ptr<IWindowDrag> m_arrastaJanela = servicoOuReal<QtWindowDrag>(m_servicos.arrastaJanela);
  std::shared_ptr<IPopupMenu> m_menusPopup = servicoOuReal<QtPopupMenu>(m_servicos.menusPopup);
  // The hidden holder of the two popup menus.
  frmMenu menus{dependenciasMenus()};
  // The notes folder in use, as the setting "DirNotas" gave it.
  QString m_pastaNotas;
  // Shared with the word lists, which keep the instance they were given.
  std::shared_ptr<IMiniVocabraDB> m_pesquisa;
  std::unique_ptr<ProcJanela> m_procJanela;
  std::unique_ptr<QObject> m_teclado;  // a PreviaTeclado once Form_Load installs it
  // The pointer every clickable image shows.
  QCursor m_ponteiroBotao = res::LoadResCursor(101);
  QImage m_fundo;
  QPicture m_pinturaForm;  // frame, bands and separators drawn over the background

  // Form_Load has set the window up: the commands and the layout act only
  // from then on.
  bool m_carregada = false;
  bool m_PrimeiraAtivacao = false;
  bool m_descarregada = false;
  bool m_fimDeSessao = false;
  std::int16_t m_modoBusca = 0;
  std::int16_t m_TopoBusca = 99;
  std::int16_t m_limiteTip = 6;
  std::int32_t m_idPedido = -1;
  bool m_TeclaLista = false;
  bool m_SemVerbete = false;
  // The search the results list holds (the last one started on it).
  BuscaLista m_buscaLista;
  // The search panel and the abbreviation tip.
  bool m_buscaPalavraClicada = false;
  std::int16_t m_contaTip = 0;
};
