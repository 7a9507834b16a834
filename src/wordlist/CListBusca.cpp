// The searches of a word list: mask, flexible and reverse, with the
// grammatical-class filters, the HTML of the first results and the rows
// loaded page by page.
#include "CList.h"

#include "CListConstantes.h"
#include "ListaPalavraID.h"
#include "Numbers.h"
#include "ResourceStrings.h"
#include "ResumoVerbete.h"
#include "TabelaChaves.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <limits>

namespace {

constexpr int kNotaListaParcial = 124;
constexpr std::int16_t kResultadoAtual = 0;

// A filter code as the component takes it: the code plus 8, in 16 bits.
std::int16_t valorFiltro(const QString& codigo) {
  const std::int32_t valor = num::roundEven(num::val(codigo)) + 8;
  return static_cast<std::int16_t>(std::clamp<std::int32_t>(valor, std::numeric_limits<std::int16_t>::min(),
                                                            std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

void CList::DefineBusca(LigacoesBusca ligacoes) { busca_ = std::move(ligacoes); }

void CList::ListaPesquisaMascara(const QString& Mascara, const QString& filtro) {
  ExecutaPesquisa(TipoPesquisa::Mascara, Mascara, filtro);
}

void CList::ListaPesquisaFlexivel(const QString& Mascara, const QString& filtro) {
  ExecutaPesquisa(TipoPesquisa::Flexivel, Mascara, filtro);
}

void CList::ListaPesquisaReversa(const QString& Mascara, const QString& filtro) {
  ExecutaPesquisa(TipoPesquisa::Reversa, Mascara, filtro);
}

void CList::RecarregaBusca(BuscaLista::Tipo tipo, const QString& Mascara, const QString& filtro) {
  if (tipo == BuscaLista::Tipo::Nenhuma) return;
  ExecutaPesquisa(static_cast<TipoPesquisa>(tipo), Mascara, filtro, false);
}

void CList::ExecutaPesquisa(TipoPesquisa tipo, const QString& Mascara, const QString& filtro, bool avisa) {
  if (!pesquisa_ || !m_FundoLista) return;
  try {
    PesquisaResultados(tipo, Mascara, filtro, avisa);
  } catch (...) {
    // A failing component ends the search; the rows read so far stay.
    carregando_ = false;
    EscondePesquisando();
    Repaint();
  }
}

void CList::EscondePesquisando() {
  if (picPesquisando_) picPesquisando_->hide();
}

void CList::PesquisaResultados(TipoPesquisa tipo, const QString& Mascara, const QString& filtro, bool avisa) {
  carregando_ = true;
  deslocVisivel_ = linhasPagina_;
  if (picPesquisando_) {
    picPesquisando_->show();
    picPesquisando_->repaint();
  }
  pesquisa_->DefineTamanhoPagina(lista::kTamanhoPaginaComponente);
  selecionado_ = -1;
  QString saida;
  std::int32_t inicio = 0;
  switch (tipo) {
    case TipoPesquisa::Mascara: pesquisa_->PesquisaMascara(Mascara, saida, 0); break;
    case TipoPesquisa::Flexivel: pesquisa_->PesquisaFlexivel(Mascara.toLower(), 0, saida); break;
    case TipoPesquisa::Reversa: pesquisa_->PesquisaReversa(Mascara, saida, 0, 0, inicio); break;
  }
  AplicaFiltros(filtro);
  const std::int32_t ultimo = pesquisa_->ObtemTotalResultados() - 1;
  QString pagina;
  if (tipo == TipoPesquisa::Reversa) pesquisa_->ObtemPagina(kResultadoAtual, inicio, pagina);
  const QString palavra = tipo == TipoPesquisa::Reversa ? QString(Mascara).remove(u'+') : Mascara;
  if (ultimo < 0) {
    ultimo_ = -1;
    if (avisa) emit NaoEncontrado(palavra, static_cast<std::int16_t>(tipo));
    carregando_ = false;
    m_CScroll.setValorMax(0);
    Repaint();
    EscondePesquisando();
    return;
  }
  if (avisa) {
    if (tipo != TipoPesquisa::Reversa) pesquisa_->ObtemPagina(kResultadoAtual, 0, pagina);
    MontaRetornoBusca(palavra, pagina, ultimo, tipo);
  }
  ultimo_ = ultimo;
  letraAtual_.clear();
  deslocVisivel_ = static_cast<std::int16_t>(std::min<std::int32_t>(linhasPagina_, ultimo));
  m_CScroll.setValorMax(ultimo - deslocVisivel_);
  palavras_.assign(static_cast<std::size_t>(ultimo) + 1, QString());
  ids_.assign(static_cast<std::size_t>(ultimo) + 1, 0);
  m_CScroll.setValor(0);
  CarregaResultados(pagina);
}

// Loads the rows from the first result on, one page per turn of the event
// loop. Returns untouched when another build cleared the flag meanwhile.
void CList::CarregaResultados(QString& pagina) {
  std::int32_t vaga = 0;
  std::int32_t proxima = pesquisa_->ObtemPagina(kResultadoAtual, vaga, pagina);
  for (;;) {
    Repaint();
    QCoreApplication::processEvents();
    if (!carregando_) return;
    vaga += ArmazenaPares(pagina, vaga);
    EscondePesquisando();
    if (proxima == -1) {
      carregando_ = false;
      Repaint();
      return;
    }
    proxima = pesquisa_->ObtemPagina(kResultadoAtual, proxima, pagina);
  }
}

void CList::AplicaFiltros(const QString& filtro) {
  if (filtro.isEmpty()) return;
  const bool somados = busca_.filtrosSomados && busca_.filtrosSomados();
  pesquisa_->DefineFiltro(0, 0);
  const QStringList itens = filtro.split(u';');
  for (qsizetype k = 0; k < itens.size(); ++k) {
    if (itens[k].isEmpty()) continue;
    pesquisa_->DefineFiltro(somados || k == 0 ? 3 : 2, valorFiltro(itens[k]));
  }
  pesquisa_->DefineFiltro(1, 0);
}

// The HTML of the first results: headword and summary of each, as many as
// the window's height allows, then the note that the list holds them all.
void CList::MontaRetornoBusca(const QString& palavra, const QString& pagina, std::int32_t ultimo,
                              TipoPesquisa tipo) {
  const QList<ListaPalavraID::Par> pares = ListaPalavraID::Pares(pagina);
  const double altura = busca_.alturaJanelaTwips ? busca_.alturaJanelaTwips() : 0;
  const float limite = static_cast<float>((altura - 7200) / 800 + 5);
  QString html;
  for (qsizetype n = 0; n < pares.size(); ++n) {
    const QString id = QString::number(pares[n].id);
    html += QStringLiteral("<span id='T7'><a href='goID://") + id + QStringLiteral("'>") +
            ResumoVerbete::PalavraExibida(pares[n].palavra) + QStringLiteral("</a></span><BR>");
    html += QStringLiteral("<table width=100% ><tr><td><span id='T8'><a href='goID://") + id + QStringLiteral("'>") +
            MontaResumoVerbete(pares[n].id) + QStringLiteral("</a></td></tr></table></span>");
    if (limite < static_cast<float>(n)) {
      html += LoadResString(kNotaListaParcial);
      break;
    }
  }
  emit RetornoBusca(palavra, html, ultimo, static_cast<std::int16_t>(tipo));
}

QString CList::MontaResumoVerbete(std::int32_t id) {
  if (id < 0) return QString();
  QString html;
  pesquisa_->ObtemVerbete(id, html, modMain::ChaveVerbete(id));
  return ResumoVerbete::MontaResumo(html);
}
