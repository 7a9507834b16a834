// Showing an entry: headword cleaning, the alternatives box and the forms
// of a full-text query.
#include "frmMain.h"

#include "NormalizaPalavra.h"

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

}  // namespace

QString frmMain::limpaVerbete1(const QString& verbete) { return verbete.left(kTamanhoVerbete).trimmed(); }

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
  const QStringList itens = pagina.split(u'|');
  QString html = QStringLiteral("<table  border=0 cellspacing=0 cellpadding=0><tr><td><span id='vAlternativas'>");
  for (qsizetype i = 0; i + 1 < itens.size(); i += 2) {
    if (itens[i + 1].toInt() == ID) continue;
    html += QStringLiteral("<a href='goID://") + itens[i + 1] + QStringLiteral("'>") + marcaHomografo(itens[i]) +
            QStringLiteral("</a><BR>");
  }
  html += QStringLiteral("</span></td></tr></table>");
  return itens.size() - 1 >= 4 ? html : QString();
}

QString frmMain::ExpandeFormasFrase(const QString& frase) {
  QString resultado;
  for (const QString& palavra : frase.split(u' ')) {
    resultado += palavra + u' ';
    QString formas;
    if (Pesquisa().ObtemFormas(palavra, formas) == -1) continue;
    const QStringList itens = formas.split(u'|');
    for (qsizetype k = 0; k + 1 < itens.size(); k += 2) resultado += modMain::CortaEmNbsp(itens[k]) + u' ';
  }
  return resultado.trimmed();
}
