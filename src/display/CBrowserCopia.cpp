// Printing the page and copying the entry or its conjugation.
#include "CBrowser.h"

#include "CodificaHTML.h"
#include "ResourceStrings.h"
#include "Trim.h"
#include "modClipBoard.h"

#include <optional>

namespace {

constexpr int kCaixaLateral = 400;  // resource string: the hidden side box

const QString kAreaVerbete = QStringLiteral("AreaVerbete");
const QString kCaixa = QStringLiteral("table1");
const QString kVisibilidade = QStringLiteral("visibility");
const QString kCrLf = QStringLiteral("\r\n");

// Copies `html` (already escaped for the clipboard) beside `texto`.
void copia(modClipBoard::EscritorHTML& escritor, QString html, const QString& texto) {
  escritor.clipboard().Clear();
  QString prefixo = QStringLiteral("<HTML><BODY>");
  QString sufixo = QStringLiteral("</BODY></HTML>");
  escritor.CopiaHTMLClipboard(html, prefixo, sufixo);
  escritor.clipboard().SetText(texto);
}

// Marks the homograph number of the title as a superscript, so a word
// processor shows it raised without the style sheet; left as it is when the
// span is not closed.
QString sobrescritoHomografo(QString html) {
  const qsizetype p = html.indexOf(QStringLiteral("<span id=\"D_SUP_TIT\">"));
  if (p < 0) return html;
  const qsizetype q = html.indexOf(QStringLiteral("</span>"), p);
  if (q < 0) return html;
  html.insert(q, QStringLiteral("</sup>"));
  html.insert(p, QStringLiteral("<sup>"));
  return html;
}

}  // namespace

void CBrowser::Imprimir() {
  PageDocument& pagina = m_Navegador.document();
  const bool caixaVisivel = pagina.styleProperty(kCaixa, kVisibilidade).value_or(QString()) == u"visible";
  std::optional<QString> salvo;
  if (caixaVisivel) {
    // The printout: a fresh side box holding only the conjugation, then the
    // entry without highlighting.
    salvo = pagina.innerHTML(kAreaVerbete);
    pagina.setInnerHTML(kAreaVerbete, LoadResString(kCaixaLateral) + m_HTML);
    if (!trim::blanks(m_Conjugacao).isEmpty()) {
      pagina.setInnerHTML(QStringLiteral("ListaConjugacao"),
                          QStringLiteral("<span id='vAlternativa'>") + m_Conjugacao + QStringLiteral("</span>"));
      pagina.setStyleProperty(kCaixa, kVisibilidade, QStringLiteral("visible"));
    }
  }
  m_Navegador.Print();
  if (salvo) pagina.setInnerHTML(kAreaVerbete, *salvo);
}

void CBrowser::CopiaVerbete() {
  if (m_Estado != 2) return;
  if (m_Escritor == nullptr) {
    qWarning("browser: no clipboard to copy the entry to");
    return;
  }
  const QString html = sobrescritoHomografo(modMain::CodificaHTMLTexto(m_HTML));
  QString texto = m_HTML;
  texto.replace(QStringLiteral("<BR>"), kCrLf).remove(u'\t');
  copia(*m_Escritor, html, modMain::RemoveTags(texto));
}

void CBrowser::CopiaVerbo() {
  if (m_Conjugacao.isEmpty()) return;
  if (m_Escritor == nullptr) {
    qWarning("browser: no clipboard to copy the conjugation to");
    return;
  }
  // Each tense table wide enough to read on its own, not aligned beside an
  // entry.
  QString html = m_Conjugacao;
  html.remove(QStringLiteral("align='right'"))
      .replace(QStringLiteral("width = 90"), QStringLiteral("width = 240"))
      .remove(QStringLiteral("<br>"));
  QString texto = m_Conjugacao;
  texto.replace(QStringLiteral("</tr>"), kCrLf).remove(u'\t').replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
  copia(*m_Escritor, modMain::CodificaHTMLTexto(html), modMain::RemoveTags(texto));
}

void CBrowser::TemElementos(bool& verbete, bool& Conjugacao) const {
  verbete = !m_HTML.isEmpty();
  Conjugacao = !m_Conjugacao.isEmpty();
}
