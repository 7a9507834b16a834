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
#include "Servicos.h"
#include "VbTimer.h"
#include "WindowScreen.h"
#include "frmMenu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QPicture>
#include <QPlainTextEdit>
#include <QWidget>

#include <array>
#include <memory>
#include <utility>

class ProcJanela;
class QPainter;

// The main window: borderless, skinned, the owner of every component. Its
// procedures are split by concern over several sources (start-up and
// shutdown in frmMainInicio.cpp, the window design in frmMain.cpp, the word
// lists and the letter picker in frmMainListas.cpp).
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

  // The window procedure's two messages: the pointer moved over the bare
  // form, the left button was released over it.
  void TrataMouseMove();
  void TrataLButtonUp();

  bool subclassificada() const { return m_procJanela != nullptr; }

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
  // The incremental look-up of typed text: the text, else its prefixes down
  // to two characters.
  void BuscaPalavraDigitada(const QString& texto);
  // Moves the selection of `lista` from `posicao` to the first following
  // entry that starts with `palavra` with its accents.
  void SelecionaPalavraLista(CList& lista, const QString& palavra, std::int32_t posicao);
  // 1 shows the word list and the letter picker with highlighting off; any
  // other value the results list with highlighting on.
  void selecionaLista(std::int16_t num);
  // Whether typing alone may look a word up (the plain search).
  bool VerificaBusca() const;

  // The keys of the window, seen before the focused control's.
  void Form_KeyDown(int& KeyCode, int Shift);
  void Form_KeyUp(int& KeyCode, int& Shift);
  void txtEntrada_KeyDown(int& KeyCode, int Shift);

  // The dictionary component, made on first use.
  IMiniVocabraDB& Pesquisa();
  // Lets the next use make a new component (after a run-time error).
  void LiberaPesquisa() { m_pesquisa.reset(); }
  bool temPesquisa() const { return m_pesquisa != nullptr; }

  std::unique_ptr<CConfig> config;
  // The alphabetical word list (on PicLista) and the results list (on
  // picLista2), made in Form_Load.
  std::unique_ptr<CList> lista;
  std::unique_ptr<CList> lista2;
  // The letter picker on imgLetras, made in Form_Load.
  std::unique_ptr<CEscolheLetra> m_EscolheLetra;
  // The components, made by Form_Load and kept for the window's life.
  std::unique_ptr<CHistorico> m_Historico;
  std::unique_ptr<CBuscasAnteriores> m_Buscas;
  std::unique_ptr<CNotas> m_Notas;
  std::unique_ptr<CBrowser> m_browser;

 signals:
  // The window has unloaded: the program ends.
  void Encerrado();

 public:

  // IJanelaPrincipal
  QRect retanguloTwips() const override;
  void moveTwips(const QRect& retangulo) override;
  bool minimizada() const override;
  void minimiza() override;
  void mostraRedimensionador(bool visivel) override;
  double twipsPorPixelX() const override;
  double twipsPorPixelY() const override;
  const scr::IScreen& tela() const override { return m_servicos.tela; }

  // Controls of the window (owned by it as their Qt parent).
  ImageControl* imgMove;
  ImageControl* btCasa;
  ImageControl* btAnterior;
  ImageControl* btProximo;
  std::array<ImageControl*, 3> btVisual;
  ImageControl* imgPrinter;
  ImageControl* imgNota;
  ImageControl* imgMin;
  ImageControl* imgMax;
  ImageControl* imgClose;
  ImageControl* ImgResize;
  QLineEdit* txtEntrada;
  std::array<QCheckBox*, 4> chkAvancada;
  QLabel* lblDescricaoPesquisa;
  PictureBox* PicLista;
  PictureBox* picLista2;
  QLabel* txtTip;
  PictureBox* imgLetras;
  PictureBox* imgLetraBackBuffer;
  PictureBox* picBuscasAnteriores;
  QWidget* picRecortaBrowser;
  PictureBox* picAguarde;
  PictureBox* picPesquisando;
  QPlainTextEdit* txtNota;
  QLabel* txtAnotacoes;
  QWidget* picNomeEmpresa;
  QLabel* lblNomeEmpresa;
  // Loads the letter list one page per tick (1 ms, off at design).
  VbTimer* tmrListaCarga;
  // The typing debounce (350 ms), the list pick (200 ms) and the link
  // command raised inside a navigation (1 ms).
  VbTimer* tmrBusca;
  VbTimer* tmrLista;
  VbTimer* tmrComandoBrowser;

  // The search panel beyond the single field (frmMainPainelBusca.cpp): the pair
  // of fields, their captions, the advanced options, the filter combo and
  // list, the panel's open and close images, the search button, the list
  // tabs, the background pieces and the filter caption above the results.
  QLineEdit* txtEntrada1;
  QLineEdit* txtEntrada2;
  std::array<QLabel*, 4> lblPesquisa;
  QLabel* imgPesqAvancada;
  QComboBox* cmbFiltro;
  QListWidget* lstFiltros;
  ImageControl* imgAvancada;
  ImageControl* imgFechar;
  QPushButton* btBuscar;
  std::array<ImageControl*, 2> imgBtSelLista;
  std::array<ImageControl*, 3> imgFundo;
  QLabel* lblFiltros;
  // The abbreviation tip beside the pointer and its timer (300 ms, off at
  // design), frmMainPalavraClicada.cpp.
  PictureBox* picTipAbrev;
  QLabel* txtTipAbrev;
  VbTimer* tmrTip;

  // The search panel's shapes (frmMainPainelBusca.cpp): opening and closing the
  // advanced panel, the filter combo, and the option boxes' single field
  // or pair of fields.
  void imgAvancada_Click();
  void imgFechar_Click();
  void cmbFiltro_Click();
  void chkAvancada_Click(int Index);
  // Lays the window out at its size, within its 640 x 490 minimum.
  void Form_Resize();
  void btBuscar_Click() { ExecutaBusca(); }
  void tmrTip_Timer();
  // What the results handlers make of the filters (frmMainFiltros.cpp).
  QString ObtemFiltros() const;
  // The value of the "sum the filters" box (the general options dialog's
  // and the start-up's): any value but 0 ticks it.
  void marcaSomarFiltros(int valor);
  QString DescreveFiltros() const;
  static QString FormataNumVerbetes(std::int32_t n);
  // The clicked word of an entry: an abbreviation's tip, or a flexible
  // search without filters (frmMainPalavraClicada.cpp).
  void TrataPalavraClicada(QString& palavra);

  // --- Window chrome: hover skins, the buttons' handlers, drag and resize
  // (frmMainChrome.cpp), and the toolbar's menus (frmMainMenus.cpp).
  // Release handlers act only on a release inside their control
  // (0 <= X <= width, 0 <= Y <= height, in twips); other windows and the
  // keyboard run them with all arguments 0, which counts as inside.
 public:
  // The toolbar's file and help menu buttons.
  ImageControl* imgArquivo = nullptr;
  ImageControl* imgAjuda = nullptr;
  // The hidden holder of the two popup menus, made by Form_Load.
  std::unique_ptr<frmMenu> menus;

  // Gives `btn` its hover skin (its bitmap name followed by "SELECIONADO",
  // Tag "selecionado") and clears every other one, unless a mouse button is
  // held (`Button` != 0). The display-model buttons' pictures are refreshed
  // first in either case. A control already marked is not reloaded.
  void MarcarBotao(ImageControl* btn, std::int16_t Button);
  // Clears every hover skin except the one on `btnNaoDesmarcar` (null: all),
  // then lets the display-model buttons show the current model again.
  void DesmarcarBotoes(ImageControl* btnNaoDesmarcar = nullptr);

  void btAnterior_MouseUp(int Button, int Shift, double X, double Y);
  void btProximo_MouseUp(int Button, int Shift, double X, double Y);
  void btCasa_MouseUp(int Button, int Shift, double X, double Y);
  // `indice` 0 to 2: display models 0 to 2.
  void btVisual_MouseUp(int indice, int Button, int Shift, double X, double Y);
  void imgPrinter_MouseUp(int Button, int Shift, double X, double Y);
  void imgNota_MouseUp(int Button, int Shift, double X, double Y);
  void imgMin_MouseUp(int Button, int Shift, double X, double Y);
  void imgMax_MouseUp(int Button, int Shift, double X, double Y);
  void imgClose_MouseUp(int Button, int Shift, double X, double Y);
  // Pop up the file and help menus below their buttons and return when the
  // menu has closed (a chosen item has run its command).
  void imgArquivo_MouseUp(int Button, int Shift, double X, double Y);
  void imgAjuda_MouseUp(int Button, int Shift, double X, double Y);
  // The list selector: the left 1035 twips choose the word list, the rest
  // the results list (any release point).
  void imgBtSelLista_MouseUp(int Index, int Button, int Shift, double X, double Y);

  // Runs a command given by name (exact, case-sensitive): "avancar",
  // "voltar", "inicio", "imprimir", "nota", "verbete1" to "verbete3",
  // "sair", "atualizarCSS", "atualizarmarca", "atualizarlista",
  // "atualizagerais", "DirNotas". Any other string, or any before Form_Load
  // has made the components, does nothing. The way other windows drive
  // this one.
  void ComandoMenu(const QString& Comando);

 private:
  void ligaChrome();
  void ligaBotao(ImageControl* botao, void (frmMain::*solta)(int, int, double, double));
  // Whether Form_Load has made what the handlers use.
  bool chromePronto() const;
  // A release inside the control, its far edges included.
  static bool soltouDentro(const ImageControl& controle, double X, double Y);
  void atualizaBotoesVisual();
  QString bitmapMaximizar() const;
  std::array<std::pair<ImageControl*, QString>, 10> botoesComPele() const;
  void imgMax_MouseDown(int Button, int Shift, double X, double Y);
  void imgMove_MouseDown(int Button, int Shift, double X, double Y);
  void ImgResize_MouseDown(int Button, int Shift, double X, double Y);
  void abreMenu(ImageControl& botao, const QString& bitmapMenu, QMenu& menu);
  std::shared_ptr<IWindowDrag> m_arrastaJanela;
  std::shared_ptr<IPopupMenu> m_menusPopup;
  // The pointer every clickable image shows.
  QCursor m_ponteiroBotao = res::LoadResCursor(101);
  // --- end of the window chrome

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Whether a close may go on: true unless the open note cannot be saved
  // and the user chooses to keep the window.
  bool podeFecharComNota();

 private:
  void criaControles();
  void criaBarraFerramentas();
  void criaPainelBusca();
  void DefineDirNotas();
  QString dirNotas() const;
  // The "sum the filters" box, the window's placement and state and the
  // maximise button's picture, as the last run left them.
  void restauraSituacao();
  void leNotas();
  void subclassifica();
  void defineDicas();
  void criaNavegacao();
  void criaNotas();

  // Handlers of the components' events.
  void m_Buscas_SelecionaItem(const QString& titulo, std::int32_t IDVerbete);
  void m_Historico_NavegaVerbete(std::int32_t ID, const CHistReg& objHistReg);
  void m_Historico_NavegaPagina(const QString& arquivo, const CHistReg& objHistReg);
  void m_Historico_NavegaLista(const QString& Conteudo, const CHistReg& objHistReg);
  void m_Notas_Posiciona();
  // The browser host and its events (frmMainBrowser.cpp).
  void criaBrowser();
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
  // Keys and the timers they arm (frmMainTeclado.cpp).
  void instalaTeclado();
  void redirecionaTecla(const QWidget* ativo, int& KeyCode, int Shift);
  void digitaEmCampo(QLineEdit& campo, int KeyCode, int Shift);
  void tmrBusca_Timer();
  void tmrLista_Timer();
  void lista_SelecionaItem(const QString& TituloVerbete, std::int32_t IDVerbete);
  // The search panel's search: one search on the results list, or the page
  // that says why the query cannot run (frmMainBusca.cpp).
  void ExecutaBusca();
  // Shows (False) or hides (True) the entry toolbar.
  void AtualizaBotoesVerbete(bool semVerbete);
  // The steps of MostraVerbeteID after the entry is fetched; false when no
  // entry has the id or a newer request took over at a checkpoint.
  bool mostraVerbete(std::int32_t ID, QString& palavra, bool gravaHistorico, bool sincronizaLista);
  void sincronizaListas(std::int32_t ID, const QString& palavra, bool sincronizaLista);
  QString montaConjugacaoVerbete(std::int32_t ID, const QString& titulo);
  // Yields to the event loop; true while request `ID` is still the latest.
  bool continuaPedido(std::int32_t ID);

  void desenhaFundo(QPainter& pintor) const;
  // The two grey frames around the note box while it is shown.
  void desenhaMolduraNota(QPainter& pintor) const;

  // The word lists and the letter picker (frmMainListas.cpp).
  void ligaListas();
  void ligaEscolheLetra();
  void aplicaFonteLista();
  void lista_IniciaCargaListaLetra(std::int32_t posInicial);
  void tmrListaCarga_Timer();
  void m_EscolheLetra_SelecionaLetra(const QString& letra);

  // The search panel (frmMainPainelBusca.cpp) and the layout and painting
  // of the window (frmMainLayout.cpp).
  void criaPainelAvancado();
  void criaFundos();
  void criaTipAbreviatura();
  void PosicionaControles();
  void moveBlocoBusca(int P);
  void posicionaBarra(int W);
  void posicionaBrowser(int W, int H);
  void ajustaAlturaListas();
  void desenhaForm(int W, int H);
  void mostraFiltros(bool visivel);
  // The filters (frmMainFiltros.cpp).
  void CarregaFiltros();
  void SubstituiMarcadores(int id, const QStringList& pares);
  // The search executor (frmMainBusca.cpp).
  void buscaPainel();
  void descreveLblFiltros();
  void buscaAvancada(const QString& filtros);
  void buscaNoTexto(const QString& filtros);
  void defineDestaque(const QString& palavras, const QString& iniciada, const QString& terminada);
  void recusaLetraUnica();
  void limpaLblFiltros();
  // The results list's searches and events (frmMainResultados.cpp). Every
  // search on the results list goes through pesquisaResultados, which keeps
  // it in m_buscaLista; the filters are summed when the sum box is ticked.
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
  // The abbreviation tip (frmMainPalavraClicada.cpp).
  bool mostraAbreviatura(const QString& palavra);
  void picTipAbrev_MouseMove();

  Servicos m_servicos;
  // Shared with the word lists, which keep the instance they were given.
  std::shared_ptr<IMiniVocabraDB> m_pesquisa;
  QtWindowScreen m_telaJanela{*this, m_servicos.tela};
  std::unique_ptr<ProcJanela> m_procJanela;
  std::shared_ptr<IWebOpener> m_abreWeb;
  QImage m_fundo;

  bool m_PrimeiraAtivacao = false;
  bool m_descarregada = false;
  bool m_fimDeSessao = false;
  std::int16_t m_modoBusca = 0;
  std::int16_t m_TopoBusca = 99;
  std::int16_t m_limiteTip = 6;
  std::int32_t m_idPedido = -1;
  bool m_TeclaLista = false;
  bool m_SemVerbete = false;
  std::unique_ptr<QObject> m_teclado;
  // The search the results list holds (the last one started on it), and
  // whether the one running is a history step's, whose page is shown
  // already: its results event then shows and records nothing.
  BuscaLista m_buscaLista;
  bool m_restauraBusca = false;
  // The search panel and the abbreviation tip.
  bool m_buscaPalavraClicada = false;
  std::int16_t m_contaTip = 0;
  QPicture m_pinturaForm;  // frame, bands and separators drawn over the background
};
