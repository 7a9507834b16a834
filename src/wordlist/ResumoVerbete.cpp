#include "ResumoVerbete.h"

#include "Ansi.h"

#include <QRegularExpression>

namespace ResumoVerbete {

namespace {

const QString kAbreSpan = QStringLiteral("<span id=");
const QString kFechaSpan = QStringLiteral("</span>");
constexpr qsizetype kAusente = 999999;

qsizetype posicaoSpan(const QString& nome, const QString& html) {
  const qsizetype pos = html.indexOf(MarcaSpan(nome));
  return pos < 0 ? kAusente : pos;
}

// The text of a piece of entry HTML without its tags. The entries link
// every word, and a summary cut at a fixed length inside a tag would break
// the markup of the results page that follows it.
QString semTags(const QString& html) {
  static const QRegularExpression kTag(QStringLiteral("<[^>]*>?"));
  return QString(html).remove(kTag);
}

}  // namespace

QString MarcaSpan(const QString& nome) { return kAbreSpan + u'"' + nome + QStringLiteral("\">"); }

QString ObtemSpan(const QString& a, const QString& b, const QString& html) {
  const qsizetype posA = posicaoSpan(a, html);
  const qsizetype posB = posicaoSpan(b, html);
  if (posB > posA) return a;  // a was found: b lies after it or is missing
  if (posB < posA) return b;
  return QString();
}

QString ObtemConteudoSpan(const QString& nome, const QString& html) {
  const QString marca = MarcaSpan(nome);
  const qsizetype abre = html.indexOf(marca);
  if (abre < 0) return QString();
  QString texto = html;
  const qsizetype inicio = abre + marca.size();
  qsizetype fim = texto.indexOf(kFechaSpan, inicio);
  if (fim < 0) return QString();
  // A span opened between the start and the first closing tag is nested:
  // it goes, content and all, and the closing tag is looked for again.
  qsizetype interno = texto.lastIndexOf(kAbreSpan, fim - 1);
  while (interno >= inicio) {
    texto.remove(interno, fim + kFechaSpan.size() - interno);
    fim = texto.indexOf(kFechaSpan, inicio);
    if (fim < 0) return QString();
    interno = texto.lastIndexOf(kAbreSpan, fim - 1);
  }
  return texto.mid(inicio, fim - inicio);
}

QString MontaResumo(const QString& html) {
  const QString etimologia = semTags(ObtemConteudoSpan(QStringLiteral("D_ETM"), html));
  const QString qual = ObtemSpan(QStringLiteral("D_N_CG"), QStringLiteral("D_N_REG"), html);
  const QString classe = qual.isEmpty() ? QString() : semTags(ObtemConteudoSpan(qual, html));
  const QString definicao = semTags(ObtemConteudoSpan(QStringLiteral("D_DEF"), html));
  const QString texto = etimologia + u' ' + classe + u' ' + definicao;
  QString resumo = texto.left(kTamanhoResumo);
  if (etimologia.size() + classe.size() + definicao.size() > kTamanhoResumo) resumo += QStringLiteral("...");
  resumo.remove(QStringLiteral("<BR>"));
  return resumo;
}

QString PalavraExibida(const QString& palavra) {
  const QChar marca = palavra.contains(ansi::chr(160)) ? ansi::chr(160) : ansi::chr(159);
  if (!palavra.contains(marca)) return palavra;
  QString exibida = palavra;
  exibida.replace(marca, QStringLiteral("<span id=\"D_SUP_RES\">"));
  return exibida + kFechaSpan;
}

}  // namespace ResumoVerbete
