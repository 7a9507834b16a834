// The results list's events: the page and the caption that report a search,
// and a pick in the list.
#include "frmMain.h"

#include "ResourceStrings.h"

#include <optional>

namespace {

constexpr int kNenhumVerbete = 113;

// Which pages and captions report a search, and the texts they name.
struct CasoBusca {
  std::int16_t pagina, legenda, paginaNao, legendaNao;
  QString texto1, texto2;
  int textos;  // 0 (the filter-only query), 1 or 2
};

std::optional<CasoBusca> casoMascara(const QStringList& partes) {
  if (partes.size() != 2) return std::nullopt;
  const QString& antes = partes[0];
  const QString& depois = partes[1];
  if (!antes.isEmpty() && !depois.isEmpty()) return CasoBusca{204, 304, 254, 354, antes, depois, 2};
  if (!antes.isEmpty()) return CasoBusca{202, 302, 252, 352, antes, {}, 1};
  if (!depois.isEmpty()) return CasoBusca{203, 303, 253, 353, depois, {}, 1};
  return std::nullopt;
}

std::optional<CasoBusca> casoReversa(const QString& palavra, const QStringList& partes) {
  if (palavra == u"*") return CasoBusca{210, 310, 210, 310, {}, {}, 0};
  if (partes.size() == 1) return CasoBusca{205, 305, 255, 355, palavra, {}, 1};
  const QString& antes = partes[0];
  const QString& depois = partes[1];
  if (!antes.isEmpty() && !depois.isEmpty()) return CasoBusca{208, 308, 258, 358, antes, depois, 2};
  if (!antes.isEmpty()) return CasoBusca{206, 306, 256, 356, antes, {}, 1};
  if (!depois.isEmpty()) return CasoBusca{207, 307, 257, 357, depois, {}, 1};
  return std::nullopt;
}

// No case for a mask without exactly one "*", an unknown kind, or a
// reverse query with no text beside its "*".
std::optional<CasoBusca> casoBusca(const QString& palavra, std::int16_t tipoPesquisa) {
  const QStringList partes = palavra.split(u'*');
  switch (tipoPesquisa) {
    case 1: return CasoBusca{201, 301, 251, 351, palavra, {}, 1};
    case 2: return casoMascara(partes);
    case 3: return casoReversa(palavra, partes);
    default: return std::nullopt;
  }
}

QStringList paresTextos(const CasoBusca& caso) {
  QStringList pares;
  if (caso.textos >= 1) pares << QStringLiteral("1") << caso.texto1;
  if (caso.textos == 2) pares << QStringLiteral("2") << caso.texto2;
  return pares;
}

}  // namespace

void frmMain::ligaResultados() {
  lista2.DefineBusca({[this] { return m_buscaLista.somados; }, [this] { return height() * twipsPorPixelY(); }});
  connect(&lista2, &CList::RetornoBusca, this, &frmMain::lista2_RetornoBusca);
  connect(&lista2, &CList::NaoEncontrado, this, &frmMain::lista2_NaoEncontrado);
  connect(&lista2, qOverload<const QString&, std::int32_t>(&CList::SelecionaItem), this,
          &frmMain::lista2_SelecionaItem);
}

void frmMain::pesquisaResultados(BuscaLista::Tipo tipo, const QString& texto, const QString& filtros) {
  m_buscaLista = {tipo, texto, filtros, !filtros.isEmpty() && chkAvancada[3].isChecked()};
  executaBuscaLista();
}

// A copy: a search started while this one yields replaces m_buscaLista.
void frmMain::executaBuscaLista() {
  const BuscaLista busca = m_buscaLista;
  switch (busca.tipo) {
    case BuscaLista::Tipo::Flexivel: lista2.ListaPesquisaFlexivel(busca.texto, busca.filtros); break;
    case BuscaLista::Tipo::Mascara: lista2.ListaPesquisaMascara(busca.texto, busca.filtros); break;
    case BuscaLista::Tipo::Reversa: lista2.ListaPesquisaReversa(busca.texto, busca.filtros); break;
    case BuscaLista::Tipo::Nenhuma: break;
  }
}

ResultadosLista frmMain::resultadosAtuais() const {
  return {m_buscaLista, lblDescricaoPesquisa.text(), lblFiltros.text(), lblFiltros.toolTip()};
}

// A page recorded before any search leaves the list and its captions as
// they are: there is no search of its own to show.
void frmMain::restauraResultados(const ResultadosLista& resultados) {
  if (resultados.busca.tipo == BuscaLista::Tipo::Nenhuma) return;
  lblDescricaoPesquisa.setText(resultados.legenda);
  lblFiltros.setText(resultados.legendaFiltros);
  lblFiltros.setToolTip(resultados.dicaFiltros);
  if (resultados.busca == m_buscaLista) return;
  m_buscaLista = resultados.busca;
  const BuscaLista busca = m_buscaLista;  // a copy, as in executaBuscaLista
  lista2.RecarregaBusca(busca.tipo, busca.texto, busca.filtros);
}

// The caption is set before the page, so that the history's step for the
// page holds it.
void frmMain::lista2_RetornoBusca(const QString& palavra, const QString& strLista, std::int32_t tamLista,
                                  std::int16_t tipoPesquisa) {
  selecionaLista(2);
  m_Notas.VerificaVerbete(-1);
  lista.DesmarcaLista();
  const std::optional<CasoBusca> caso = casoBusca(palavra, tipoPesquisa);
  if (!caso) {
    picAguarde.hide();  // no page comes to hide it
    return;
  }
  const QString d = DescreveFiltros();
  QStringList pares = paresTextos(*caso);
  pares << QStringLiteral("filtros") << (d.isEmpty() ? d : d + QStringLiteral("<BR>"));
  pares << QStringLiteral("listaVerbetes") << strLista;
  pares << QStringLiteral("numVerbetes") << FormataNumVerbetes(tamLista + 1);
  SubstituiMarcadores(caso->legenda, pares);
  m_browser.MostraLista(caso->pagina, pares);
}

void frmMain::lista2_NaoEncontrado(const QString& palavra, std::int16_t tipoPesquisa) {
  m_Notas.VerificaVerbete(-1);
  lista.DesmarcaLista();
  const std::optional<CasoBusca> caso = casoBusca(palavra, tipoPesquisa);
  if (!caso) {
    picAguarde.hide();
    return;
  }
  const QString d = DescreveFiltros();
  QStringList pares = paresTextos(*caso);
  pares << QStringLiteral("filtros") << (d.isEmpty() ? d : d + QStringLiteral("<BR>"));
  if (caso->textos == 0) {
    pares << QStringLiteral("listaVerbetes") << QString();
    pares << QStringLiteral("numVerbetes") << LoadResString(kNenhumVerbete);
  }
  SubstituiMarcadores(caso->legendaNao, caso->textos == 0 ? pares : paresTextos(*caso));
  m_browser.MostraLista(caso->paginaNao, pares);
  picAguarde.hide();
}

// The entry follows on tmrLista, highlighted with the results list's search.
void frmMain::lista2_SelecionaItem(const QString&, std::int32_t) {
  tmrLista.setEnabled(false);
  tmrLista.setEnabled(true);
  QString palavra, iniciada, terminada;
  lista2.getPalavraBusca(palavra, iniciada, terminada);
  m_browser.PalavraBusca(palavra, iniciada, terminada);
  lista.DesmarcaLista();
}
