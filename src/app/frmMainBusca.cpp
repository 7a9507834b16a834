// The search executor: the search panel's state becomes one search on the
// results list, or a page that says why the query cannot run.
#include "frmMain.h"

#include "PalavrasVazias.h"
#include "Trim.h"

namespace {

constexpr std::int16_t kPaginaDigite = 117;
constexpr std::int16_t kPaginaLetraUnica = 501;
constexpr int kMargemLblFiltros = 13;

QString semAsterisco(const QString& texto) { return QString(texto).remove(u'*'); }

// A typed word: with a "*" it is a mask, else a flexible search.
BuscaLista::Tipo tipoDigitado(const QString& texto) {
  return texto.contains(u'*') ? BuscaLista::Tipo::Mascara : BuscaLista::Tipo::Flexivel;
}

}  // namespace

void frmMain::limpaLblFiltros() {
  lblFiltros.setText(QString());
  lblFiltros.setToolTip(QString());
}

void frmMain::ExecutaBusca() {
  try {
    buscaPainel();
  } catch (...) {
    // A failing component: the search ends with the screen as it stands.
    picAguarde.hide();
  }
}

void frmMain::buscaPainel() {
  tmrBusca.setEnabled(false);
  AtualizaBotoesVerbete(true);
  if (!VerificaBusca()) {
    descreveLblFiltros();
    buscaAvancada(ObtemFiltros());
    return;
  }
  picAguarde.show();
  const QString bruto = txtEntrada.text();
  if (trim::blanks(bruto).isEmpty()) {
    m_browser.MostraLista(kPaginaDigite, {});
    lista.DesmarcaLista();
    return;
  }
  // Cleared first: the results page's history step takes the captions.
  limpaLblFiltros();
  pesquisaResultados(tipoDigitado(bruto), bruto, QString());
}

// The filter description above the results list, cut with " ..." to the
// label's width; the whole text is then its tooltip.
void frmMain::descreveLblFiltros() {
  const QString d = DescreveFiltros();
  if (d.isEmpty()) {
    limpaLblFiltros();
    return;
  }
  const QFontMetrics medida = fontMetrics();
  const int largura = lblFiltros.width();
  if (medida.horizontalAdvance(d) <= largura) {
    lblFiltros.setText(d);
    lblFiltros.setToolTip(QString());
    return;
  }
  qsizetype n = d.size();
  while (n > 0 && medida.horizontalAdvance(d.left(n)) >= largura - kMargemLblFiltros) --n;
  lblFiltros.setText(d.left(n) + QStringLiteral(" ..."));
  lblFiltros.setToolTip(d);
}

// The words, prefix and suffix that the page and the results list mark.
void frmMain::defineDestaque(const QString& palavras, const QString& iniciada, const QString& terminada) {
  m_browser.PalavraBusca(palavras, iniciada, terminada);
  lista2.PalavraBusca(palavras, iniciada, terminada);
}

void frmMain::recusaLetraUnica() {
  m_Notas.VerificaVerbete(-1);
  m_browser.MostraLista(kPaginaLetraUnica, {});
}

// The advanced panel's cases, the first that holds.
void frmMain::buscaAvancada(const QString& filtros) {
  const QString bruto = txtEntrada.text();
  const QString t = trim::blanks(bruto);
  const bool inicio = chkAvancada[0].isChecked();
  const bool fim = chkAvancada[1].isChecked();
  const bool texto = chkAvancada[2].isChecked();
  const bool par = inicio && fim;
  const QString t1 = txtEntrada1.text();
  const QString t2 = txtEntrada2.text();
  if (!filtros.isEmpty() && t.isEmpty() && !inicio && !fim && !texto) {
    defineDestaque({}, {}, {});
    pesquisaResultados(BuscaLista::Tipo::Reversa, QStringLiteral("*"), filtros);
  } else if (par ? trim::blanks(t1).isEmpty() && trim::blanks(t2).isEmpty() : t.isEmpty()) {
    defineDestaque({}, {}, {});
    m_browser.MostraLista(kPaginaDigite, {});
    lista.DesmarcaLista();
    selecionaLista(1);
  } else if (texto) {
    buscaNoTexto(filtros);
  } else if (par) {
    defineDestaque({}, {}, {});
    pesquisaResultados(BuscaLista::Tipo::Mascara, semAsterisco(t1) + u'*' + semAsterisco(t2), filtros);
  } else if (inicio || fim) {
    defineDestaque({}, {}, {});
    const QString padrao = inicio ? semAsterisco(bruto) + u'*' : u'*' + semAsterisco(bruto);
    pesquisaResultados(BuscaLista::Tipo::Mascara, padrao, filtros);
  } else {
    defineDestaque({}, {}, {});
    picAguarde.show();
    pesquisaResultados(tipoDigitado(bruto), bruto, filtros);
  }
}

// The searches through the entries' text (box 2 ticked).
void frmMain::buscaNoTexto(const QString& filtros) {
  const QString bruto = txtEntrada.text();
  const bool inicio = chkAvancada[0].isChecked();
  const bool fim = chkAvancada[1].isChecked();
  if (inicio && fim) {
    const QString t1 = txtEntrada1.text();
    const QString t2 = txtEntrada2.text();
    defineDestaque({}, t1, t2);
    if (t1.size() <= 1 && t2.size() <= 1) {
      recusaLetraUnica();
    } else {
      pesquisaResultados(BuscaLista::Tipo::Reversa, semAsterisco(t1) + u'*' + semAsterisco(t2), filtros);
    }
  } else if (inicio || fim) {
    defineDestaque({}, inicio ? bruto : QString(), inicio ? QString() : bruto);
    if (bruto.size() == 1) {
      recusaLetraUnica();
    } else {
      pesquisaResultados(BuscaLista::Tipo::Reversa, inicio ? semAsterisco(bruto) + u'*' : u'*' + semAsterisco(bruto),
                         filtros);
    }
  } else {
    const QString q = modMain::FiltraPalavrasVazias(bruto, [this](int pagina, const QString& consulta) {
      m_Notas.VerificaVerbete(-1);  // no entry on screen: the open note is saved and its box closed
      m_browser.MostraLista(static_cast<std::int16_t>(pagina), {QStringLiteral("1"), consulta});
    });
    if (q.isEmpty()) return;
    defineDestaque(ExpandeFormasFrase(q), {}, {});
    pesquisaResultados(BuscaLista::Tipo::Reversa, trim::blanks(q).replace(u' ', QStringLiteral(" +")), filtros);
  }
}
