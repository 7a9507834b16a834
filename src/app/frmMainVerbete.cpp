// Showing an entry: headword cleaning, the alternatives box and the forms
// of a full-text query.
#include "frmMain.h"

#include "ListaPalavraID.h"
#include "MontaConjugacao.h"
#include "NormalizaPalavra.h"
#include "TabelaChaves.h"
#include "Trim.h"

#include <QCoreApplication>

namespace {

constexpr int kTamanhoVerbete = 39;
const QChar kNbsp(160);
const QChar kMarca159(0x0178);  // code 159 of the ANSI page

// A homograph number printed raised: each mark opens a "<sup>" and the word
// closes them all at its end.
QString marcaHomografo(QString palavra) {
  int abertos = 0;
  for (const QChar marca : {kNbsp, kMarca159}) {
    if (palavra.contains(marca)) {
      palavra.replace(marca, QStringLiteral("<sup>"));
      ++abertos;
    }
  }
  return palavra + QStringLiteral("</sup>").repeated(abertos);
}

// The letter the word list is built from: the word's own first character
// (accented letters keep their accent), or the first letter of its key when
// that character is a separator with no key of its own ("-logia" is listed
// under "l", where its id lies).
QString letraDaLista(const QString& palavra, const QString& letraChave) {
  const QString propria = palavra.left(1).toLower();
  return modMain::NormalizaPalavra(propria).isEmpty() ? letraChave.toLower() : propria;
}

}  // namespace

QString frmMain::limpaVerbete1(const QString& verbete) { return trim::blanks(verbete.left(kTamanhoVerbete)); }

QString frmMain::limpaVerbete(const QString& verbete) {
  QString palavra = modMain::CortaEmNbsp(limpaVerbete1(verbete));
  palavra.remove(u'.');
  palavra.remove(u':');
  return palavra;
}

QString frmMain::MontaAlternativas(const QString& palavra, std::int32_t ID) {
  QString buffer;
  if (Pesquisa().PesquisaFlexivel(palavra, 0, buffer) < 1) return QString();
  QString pagina;
  Pesquisa().ObtemPagina(0, 0, pagina);
  const QList<ListaPalavraID::Par> pares = ListaPalavraID::Pares(pagina);
  // A search that finds the entry shown alone has nothing else to offer.
  if (pares.size() < 2) return QString();
  QString html = QStringLiteral("<table  border=0 cellspacing=0 cellpadding=0><tr><td><span id='vAlternativas'>");
  for (const ListaPalavraID::Par& par : pares) {
    if (par.id == ID) continue;
    html += QStringLiteral("<a href='goID://") + QString::number(par.id) + QStringLiteral("'>") +
            marcaHomografo(par.palavra) + QStringLiteral("</a><BR>");
  }
  return html + QStringLiteral("</span></td></tr></table>");
}

QString frmMain::ExpandeFormasFrase(const QString& frase) {
  QString resultado;
  for (const QString& palavra : frase.split(u' ')) {
    resultado += palavra + u' ';
    QString formas;
    if (Pesquisa().ObtemFormas(palavra, formas) == -1) continue;
    for (const ListaPalavraID::Par& forma : ListaPalavraID::Pares(formas)) {
      resultado += modMain::CortaEmNbsp(forma.palavra) + u' ';
    }
  }
  return trim::blanks(resultado);
}

bool frmMain::continuaPedido(std::int32_t ID) {
  QCoreApplication::processEvents();
  return m_idPedido == ID;
}

void frmMain::MostraVerbeteID(std::int32_t ID, QString& palavra, bool gravaHistorico, bool sincronizaLista) {
  if (ID < 0) {
    picAguarde.hide();
    return;
  }
  m_idPedido = ID;
  picAguarde.show();
  try {
    mostraVerbete(ID, palavra, gravaHistorico, sincronizaLista);
  } catch (const std::exception& erro) {
    // A failing component is replaced; what was done stays done, but no
    // page is coming to take the wait picture away.
    qWarning("entry %d: %s", ID, erro.what());
    picAguarde.hide();
    LiberaPesquisa();
    try {
      Pesquisa().AbreDados();
    } catch (const std::exception&) {
      LiberaPesquisa();
    }
  }
}

bool frmMain::mostraVerbete(std::int32_t ID, QString& palavra, bool gravaHistorico, bool sincronizaLista) {
  QString html;
  const QString titulo = Pesquisa().ObtemVerbete(ID, html, modMain::ChaveVerbete(ID));
  if (titulo.isEmpty()) {
    // No entry has this id (a link to a number beyond the dictionary):
    // what is on screen stays, and nothing is recorded.
    picAguarde.hide();
    return false;
  }
  palavra = limpaVerbete(titulo);
  if (!continuaPedido(ID)) return false;

  m_browser.MostraVerbete(html);
  AtualizaBotoesVerbete(false);
  m_Notas.VerificaVerbete(ID);
  if (gravaHistorico) {
    QString busca, iniciada, terminada;
    if (picLista2.isVisible()) lista2.getPalavraBusca(busca, iniciada, terminada);
    m_Historico.Adiciona(palavra, ID, busca, iniciada, terminada);
    m_Buscas.Adiciona(limpaVerbete1(titulo), ID);
  }
  if (!continuaPedido(ID)) return false;

  sincronizaListas(ID, palavra, sincronizaLista);
  const QString alternativas = MontaAlternativas(palavra, ID);
  if (!continuaPedido(ID)) return false;

  const QString conjugacao = montaConjugacaoVerbete(ID, titulo);
  if (!alternativas.isEmpty() || !conjugacao.isEmpty()) {
    m_browser.ListaAlternativas(alternativas, conjugacao);
    m_browser.MostrarListaAlternativa(true);
  } else {
    m_browser.MostrarListaAlternativa(false);
  }
  return true;
}

void frmMain::sincronizaListas(std::int32_t ID, const QString& palavra, bool sincronizaLista) {
  if (picLista2.isVisible() && lista2.ObtemPoslista() != ID) {
    if (lista2.SelecionaItemID(ID)) {
      lista.DesmarcaLista();
    } else {
      selecionaLista(1);
    }
  }
  if (!sincronizaLista || !PicLista.isVisible()) return;
  const QString letra = modMain::NormalizaPalavra(palavra).left(1);
  if (letra.toLower() != lista.ObtemLetraAtual().toLower()) {
    m_EscolheLetra.MarcaLetra(letra.toUpper());
    lista.ListaLetra(letraDaLista(palavra, letra), ID);
    lista2.DesmarcaLista();
  } else if (lista.ObtemPoslista() != ID) {
    lista.SelecionaItem(ID);
    lista2.DesmarcaLista();
  }
}

namespace {

bool conjugacaoAusente(const QString& conjugacao) {
  const QString aparada = trim::blanks(conjugacao);
  return aparada.isEmpty() || aparada == kNbsp;
}

}  // namespace

// The conjugation tables of a verb; "" for an entry without them. A verb
// with a pronoun ("lembrar-se") is asked for again without it.
QString frmMain::montaConjugacaoVerbete(std::int32_t ID, const QString& titulo) {
  if (!Pesquisa().TemConjugacao(ID)) return QString();
  QString verbo = limpaVerbete1(titulo);
  QString conjugacao = Pesquisa().ObtemConjugacao(verbo);
  if (conjugacaoAusente(conjugacao)) {
    const qsizetype hifen = verbo.indexOf(u'-');
    if (hifen > 0 && verbo[hifen - 1] == u'r') verbo = titulo.left(titulo.indexOf(u'-'));
    conjugacao = Pesquisa().ObtemConjugacao(verbo);
  }
  return modMain::MontaConjugacao(verbo, conjugacao);
}

void frmMain::BuscaPalavraDigitada(const QString& texto) {
  picAguarde.show();
  const QString t = trim::blanks(texto);
  if (t.isEmpty()) {
    lista.SelecionaItem(-1);
    lista.Executa();
    return;
  }
  std::int32_t pos = Pesquisa().ObtemPosicaoPalavra(t);
  for (qsizetype n = t.size() - 1; pos < 0 && n >= 2; --n) pos = Pesquisa().ObtemPosicaoPalavra(t.left(n));
  if (pos < 0) {
    picAguarde.hide();
    return;
  }
  QString palavra;
  MostraVerbeteID(pos, palavra, true, true);
}

void frmMain::selecionaLista(std::int16_t num) {
  const bool palavras = num == 1;
  // The focus on the list that goes passes to the list shown in its place.
  const bool focoNaLista = PicLista.hasFocus() || picLista2.hasFocus();
  imgBtSelLista[0].setVisible(palavras);
  PicLista.setVisible(palavras);
  imgLetras.setVisible(palavras);
  imgBtSelLista[1].setVisible(!palavras);
  picLista2.setVisible(!palavras);
  lblDescricaoPesquisa.setVisible(!palavras);
  lblFiltros.setVisible(!palavras);
  m_browser.MarcaPalavra(!palavras);
  if (focoNaLista) (palavras ? PicLista : picLista2).setFocus();
}

void frmMain::AtualizaBotoesVerbete(bool semVerbete) {
  if (semVerbete == m_SemVerbete) return;
  m_SemVerbete = semVerbete;
  for (ImageControl* botao : {&imgNota, &imgPrinter, &imgFundo[0], &btVisual[0], &btVisual[1], &btVisual[2]})
    botao->setVisible(!semVerbete);
  Form_Resize();  // the band over the hidden toolbar
  update();
}
