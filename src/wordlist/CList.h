#pragma once

#include "CScroll.h"
#include "DrawingSurface.h"
#include "GiroRoda.h"
#include "IMiniVocabraDB.h"
#include "ImageControl.h"
#include "PictureBox.h"
#include "ResultadosLista.h"
#include "WindowScreen.h"

#include <QImage>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The owner-drawn, paged list of dictionary words on a picture box of the
// main window, with its own scroll bar. A letter list is built by ListaLetra
// and then filled in the background, one component page per call of
// CarregaListaLetra (the owner calls it from a 1 ms timer after
// IniciaCargaListaLetra). Rows are drawn into an off-screen buffer that is
// copied to the surface in one step.
//
// In a letter list slot i holds the entry of id base + i, where base is the
// id of the letter's first entry. A slot not loaded yet has an empty word and
// id 0. The top row is the scroll bar's value.
//
// All on the GUI thread. Before Inicializa the list is inert: every operation
// does nothing and the accessors answer as for an empty list.
class CList final : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CList)

 public:
  explicit CList(QObject* parent = nullptr);
  ~CList() override;

  // Binds the list to its surface (pixel scale, hand pointer, the focus on a
  // click on it or its scroll bar, the wheel scrolling it), the database
  // component (shared: the list keeps the instance it was given) and the tip
  // box that shows the word under the dragged thumb; creates the scroll
  // images inside the surface, the scroll bar and the buffer ("Verdana" 7.5).
  // `tamFonte` is not used. `fundo` must outlive the list; `tip` may be null.
  void Inicializa(PictureBox& fundo, std::shared_ptr<IMiniVocabraDB> Pesquisa, QLabel* tip,
                  std::int16_t tamFonte = 0);
  // The main window's pieces the list touches: where the window and the
  // pointer are (for the tip box) and the "searching" picture that a letter
  // with no entries hides. Either may be null; both must outlive the list.
  void DefineJanela(const IWindowScreen* janela, QWidget* picPesquisando);
  // Clears the loading flag, so that a running build stops; the main window
  // calls it when it closes.
  void Finaliza();

  // Lists the words of `letra`, positioned on entry `posInicial` (selected,
  // half a page from the top) or at the letter's first entry when it is -1.
  // Loads nothing itself: raises IniciaCargaListaLetra with the first load
  // position, and the owner then calls CarregaListaLetra until it returns
  // false. A letter with no entries, or a component that fails, leaves the
  // rows as they were; nothing is thrown.
  void ListaLetra(const QString& letra, std::int32_t posInicial);
  // Loads the next page of the letter list into its slots and repaints;
  // true while more remains. The rows from the first load position to the
  // letter's end come first, then those above it; false once every slot has
  // been read, when the component stops advancing, or when it fails (the
  // rows read so far stay).
  bool CarregaListaLetra();

  // What the searches read from the main window: whether the filters are
  // summed (the sum box is ticked) and the window's height in twips, which
  // caps the results HTML. Unset, the filters are not summed and the
  // height counts as 0.
  struct LigacoesBusca {
    std::function<bool()> filtrosSomados;
    std::function<double()> alturaJanelaTwips;
  };
  void DefineBusca(LigacoesBusca ligacoes);

  // The searches fill the list with a result instead of a letter: mask
  // ("*" runs any text), flexible (the word and its forms, asked in lower
  // case) and reverse (through the entries' text; "*" alone with filters is
  // the filter-only query). `filtro` holds grammatical-class codes each
  // followed by ";" ("" for none). When entries are found RetornoBusca is
  // raised with the HTML of the first ones, and then the rows load page by
  // page, yielding to the event loop between pages; a build that clears the
  // loading flag meanwhile makes the search stop untouched. When nothing is
  // found NaoEncontrado is raised and the list is empty. The events carry
  // the text as passed (for the reverse search without its "+"). A failing
  // component ends the search quietly with the rows read so far.
  void ListaPesquisaMascara(const QString& Mascara, const QString& filtro);
  void ListaPesquisaFlexivel(const QString& Mascara, const QString& filtro);
  void ListaPesquisaReversa(const QString& Mascara, const QString& filtro);
  // Runs one of those searches again only to bring its rows back, for a
  // page that shows its results already: the rows load as above, but no
  // event is raised and no HTML is built. Tipo::Nenhuma does nothing.
  void RecarregaBusca(BuscaLista::Tipo tipo, const QString& Mascara, const QString& filtro);

  // The letter last listed; "" before any and after a search.
  QString ObtemLetraAtual() const { return letraAtual_; }
  // The word in the slot of entry `pos` (its id less the first row's id);
  // "" when the slot is not loaded, out of the list, or the list is empty.
  QString ObtemPalavraPos(std::int32_t pos) const;
  // The entry id of the selected row; -1 when none is selected or the list
  // holds no rows.
  std::int32_t ObtemPoslista() const;
  // Selects the row of entry `idItem` (held within the rows) and scrolls it
  // to the middle of the page where it can. Does nothing on an empty list.
  void SelecionaItem(std::int32_t idItem);
  // Selects the first row whose id is `idItem` without scrolling and
  // repaints; false, changing nothing, when no row has it.
  bool SelecionaItemID(std::int32_t idItem);
  // Down (40), up (38), page down (34) and page up (33) move the selection
  // silently and scroll it into view; Enter (13) reports it. Other keys do
  // nothing.
  void TrataTecla(std::int16_t KeyCode);
  // The words of slots `pos` to `pos` + 16 (those that exist), each followed
  // by "<br>".
  QString getTextPos(std::int16_t pos) const;
  // Draws the selected row as an outline (the list is inactive) until the
  // next mouse down or change of selection.
  void DesmarcaLista();
  // Raises SelecionaItem for the selected row; nothing when none is.
  void Executa();
  // Font size: 0 gives 7.5 points, 1 gives 9, anything else keeps it; then
  // the rows per page and the scroll limits follow the new row height.
  void AlteraFonte(std::int16_t tamFonte);
  // The three search words, kept for the owner; the list never reads them.
  void PalavraBusca(const QString& palavra, const QString& Iniciada, const QString& Terminada);
  void getPalavraBusca(QString& palavra, QString& Iniciada, QString& Terminada) const;

  // Draws the whole list into the buffer and copies it to the surface.
  void Repaint();
  // Recomputes the page from the surface's height and lays out the scroll
  // images, then repaints. Runs on every resize of the surface.
  void Redimensiona();

  // What tests and the owner may look at.
  const DrawingSurface& buffer() const { return bufer_; }
  double AlturaLinha() const { return alturaLinha_; }
  std::int16_t LinhasPagina() const { return linhasPagina_; }
  std::int16_t DeslocamentoVisivel() const { return deslocVisivel_; }
  std::int32_t IndiceSelecionado() const { return selecionado_; }
  std::int32_t UltimoIndice() const { return ultimo_; }
  bool Carregando() const { return carregando_; }
  double TamanhoFonte() const { return tamFonte_; }
  CScroll& scroll() { return m_CScroll; }
  const CScroll& scroll() const { return m_CScroll; }
  ImageControl* imagemScroll(int n) const;  // 1 thumb, 2 up, 3 down, 4 track

 signals:
  // A row was picked (click, double click, Enter): its word, homograph mark
  // included, and its entry id.
  void SelecionaItem(const QString& TituloVerbete, std::int32_t IDVerbete);
  // A search found nothing.
  void NaoEncontrado(const QString& palavra, std::int16_t tipoPesquisa);
  // A search found entries: the HTML list of the first ones and the last
  // index of the result.
  void RetornoBusca(const QString& palavra, const QString& strLista, std::int32_t tamLista,
                    std::int16_t tipoPesquisa);
  // A letter list was set up; the owner starts loading it.
  void IniciaCargaListaLetra(std::int32_t posInicial);

 private:
  std::int32_t Topo() const { return m_CScroll.Valor(); }
  std::int32_t Limita(std::int32_t indice) const;
  void MontaListaLetra(const QString& letra, std::int32_t posInicial);
  std::int32_t ArmazenaPares(const QString& pagina, std::int32_t vaga);
  std::int32_t Base() const { return ids_.empty() ? 0 : ids_[0]; }
  void CriaImagens();
  void CriaBufer();
  void DesenhaBarra();
  void ImprimePalavra(const QString& palavra);
  void CopiaFaixaScroll();
  void MostraTip();

  // The searches (CListBusca.cpp).
  // The numbers of BuscaLista::Tipo, and of the events' tipoPesquisa.
  enum class TipoPesquisa : std::int16_t { Flexivel = 1, Mascara = 2, Reversa = 3 };
  // `avisa`: raise RetornoBusca or NaoEncontrado (with the results' HTML).
  void ExecutaPesquisa(TipoPesquisa tipo, const QString& Mascara, const QString& filtro, bool avisa = true);
  void PesquisaResultados(TipoPesquisa tipo, const QString& Mascara, const QString& filtro, bool avisa);
  void CarregaResultados(QString& pagina);
  void AplicaFiltros(const QString& filtro);
  void MontaRetornoBusca(const QString& palavra, const QString& pagina, std::int32_t ultimo, TipoPesquisa tipo);
  QString MontaResumoVerbete(std::int32_t id);
  void EscondePesquisando();

  void m_FundoLista_MouseDown(int button, int shift, double x, double y);
  void m_FundoLista_MouseMove(int button, int shift, double x, double y);
  void m_FundoLista_Click();
  void m_FundoLista_DblClick();
  void m_FundoLista_MouseWheel(QPoint angleDelta, QPoint pixelDelta);
  void m_CScroll_Scroll(std::int32_t Valor);
  void m_CScroll_EndScroll(std::int32_t Valor);

  std::shared_ptr<IMiniVocabraDB> pesquisa_;
  QPointer<PictureBox> m_FundoLista;
  QPointer<QLabel> tip_;
  const IWindowScreen* janela_ = nullptr;
  QPointer<QWidget> picPesquisando_;
  CScroll m_CScroll;
  QPointer<ImageControl> imgScroll_[4];
  DrawingSurface bufer_;
  QImage bmpBarra_, bmpSetaCima_, bmpSetaBaixo_;
  QCursor mao_;
  GiroRoda giro_;

  std::int16_t linhasPagina_ = 25;
  double tamFonte_ = 7.5;
  double alturaLinha_ = 0;
  std::int32_t selecionado_ = -1;
  std::int32_t ultimo_ = -1;
  std::int32_t marcado_ = -1;
  std::int16_t deslocVisivel_ = -1;
  std::vector<QString> palavras_;
  std::vector<std::int32_t> ids_;
  QString letraAtual_;
  bool carregando_ = false;

  std::int32_t proximaCarga_ = 0;
  std::int32_t primeiraCarga_ = 0;
  std::int32_t proximaVaga_ = 0;
  bool voltou_ = false;

  QString palavraBusca_, iniciada_, terminada_;
  LigacoesBusca busca_;
};
