// Building a letter list and loading it page by page.
#include "CList.h"

#include "CListConstantes.h"
#include "ListaPalavraID.h"

#include <algorithm>

namespace {

// Clears a loading flag when the scope ends, also by an exception.
class FimCarga final {
 public:
  explicit FimCarga(bool& flag) : flag_(flag) {}
  ~FimCarga() { flag_ = false; }
  Q_DISABLE_COPY_MOVE(FimCarga)

 private:
  bool& flag_;
};

}  // namespace

void CList::ListaLetra(const QString& letra, std::int32_t posInicial) {
  if (!pesquisa_ || !m_FundoLista) return;
  const FimCarga fim(carregando_);
  try {
    MontaListaLetra(letra, posInicial);
  } catch (...) {
    // A failing component leaves the rows as they were; nothing to load.
  }
}

void CList::MontaListaLetra(const QString& letra, std::int32_t posInicial) {
  marcado_ = -1;
  carregando_ = true;
  pesquisa_->DefineTamanhoPagina(lista::kTamanhoPaginaComponente);
  const std::int32_t base = pesquisa_->ObtemPosicaoPalavra(letra);
  const std::int32_t metade = linhasPagina_ / 2;
  std::int32_t topo = 0;
  std::int32_t inicio = 0;
  if (posInicial == -1) {
    selecionado_ = 0;
  } else {
    const std::int32_t deslocamento = posInicial - base;
    if (deslocamento - metade >= 0) {
      topo = deslocamento - metade;
      inicio = posInicial - metade;
    }
    selecionado_ = deslocamento;
  }
  QString saida;
  const std::int32_t ultimo = pesquisa_->PesquisaMascara(letra + QLatin1Char('*'), saida, 1) - 1;
  proximaVaga_ = topo;
  if (ultimo < 0) {
    if (picPesquisando_) picPesquisando_->hide();
    return;
  }
  ultimo_ = ultimo;
  letraAtual_ = letra;
  deslocVisivel_ = static_cast<std::int16_t>(std::min<std::int32_t>(linhasPagina_, ultimo));
  m_CScroll.setValorMax(ultimo - deslocVisivel_);
  palavras_.assign(static_cast<std::size_t>(ultimo) + 1, QString());
  ids_.assign(static_cast<std::size_t>(ultimo) + 1, 0);
  ids_[0] = base;
  // The top is held within the page; the rows still land at their id less
  // the base.
  topo = std::min(topo, ultimo - deslocVisivel_);
  m_CScroll.setValor(topo);
  proximaCarga_ = inicio;
  primeiraCarga_ = inicio;
  voltou_ = false;
  emit IniciaCargaListaLetra(inicio);
  carregando_ = false;
  Repaint();
}

bool CList::CarregaListaLetra() {
  if (!pesquisa_ || ultimo_ < 0) return false;
  const std::int32_t pedido = proximaCarga_;
  QString pagina;
  std::int32_t proxima = -1;
  try {
    proxima = pesquisa_->ObtemPagina(1, pedido, pagina);
  } catch (...) {
    return false;  // a failing component ends the load; what was read stays
  }
  proximaVaga_ += ArmazenaPares(pagina, proximaVaga_);
  bool completa = false;
  if (proxima == -1) {
    // The letter's end. Rows above the first load position are still to be
    // read unless that position was the letter's start or they have been.
    if (voltou_ || primeiraCarga_ <= Base()) {
      completa = true;
    } else {
      proxima = 0;
      proximaVaga_ = 0;
      voltou_ = true;
    }
  } else if (proxima <= pedido || (voltou_ && proxima >= primeiraCarga_)) {
    // Either the component does not advance, or the second pass has reached
    // the rows that the first one began with.
    completa = true;
  }
  Repaint();
  if (completa) return false;
  proximaCarga_ = proxima;
  return true;
}

// Stores the complete pairs of a page (letter chunk or result page) from
// slot `vaga` on and returns how many it holds: the next page's rows follow
// them with no gap, also after a page that lost its last pair. Rows beyond
// the list are skipped.
std::int32_t CList::ArmazenaPares(const QString& pagina, std::int32_t vaga) {
  const QList<ListaPalavraID::Par> pares = ListaPalavraID::Pares(pagina);
  for (qsizetype j = 0; j < pares.size(); ++j) {
    const std::int64_t destino = std::int64_t{vaga} + j;
    if (destino < 0 || destino > ultimo_) continue;
    palavras_[static_cast<std::size_t>(destino)] = pares[j].palavra;
    ids_[static_cast<std::size_t>(destino)] = pares[j].id;
  }
  return static_cast<std::int32_t>(pares.size());
}
