#include "MontaConjugacao.h"

#include "Ansi.h"
#include "ResourceStrings.h"

#include <QStringList>

#include <array>
#include <optional>

namespace modMain {
namespace {

constexpr int kTempos = 13;
constexpr int kPessoas = 6;
constexpr int kImperativo = 10;
constexpr int kGerundio = 12;

const QChar& marca() {
  static const QChar c = ansi::chr(160);
  return c;
}

const QString& pronome(int pessoa) {
  static const std::array<QString, kPessoas> pronomes = {
      QStringLiteral("eu"),  QStringLiteral("tu"),  QStringLiteral("ele"),
      QStringLiteral("nós"), QStringLiteral("vós"), QStringLiteral("eles")};
  return pronomes.at(static_cast<std::size_t>(pessoa));
}

// How the forms become the shown forms: a stem and endings, or a template
// whose marked letter varies.
struct Desinencia {
  bool variacao = false;
  QString base;

  // The shown form of `forma`, or "/" for a form that does not exist.
  QString mostra(const QString& forma) const {
    if (forma == u"/") return QStringLiteral("/");
    if (!variacao) return base + forma;
    const QStringList partes = forma.split(u'|');
    if (partes.size() < 2) throw ErroConjugacao("conjugation form without '|': " + forma.toStdString());
    if (partes[1] == u"/") return QStringLiteral("/");
    QString modelo = base;
    return modelo.replace(marca(), partes[0]) + partes[1];
  }
};

// Nothing when the plain ending does not occur in the verb (no conjugation).
std::optional<Desinencia> preparaDesinencia(const QString& verbo, const QString& regra) {
  Desinencia d;
  if (!regra.contains(u'|')) {
    const qsizetype fim = verbo.lastIndexOf(regra);
    if (fim < 0) return std::nullopt;
    d.base = verbo.left(fim);
    return d;
  }
  const QStringList xe = regra.split(u'|');
  const qsizetype fim = verbo.lastIndexOf(xe[1]);
  if (fim < 0) throw ErroConjugacao("conjugation ending not in the verb");
  d.variacao = true;
  d.base = verbo.left(fim);
  const qsizetype letra = d.base.lastIndexOf(xe[0]);
  if (letra < 0 || letra >= d.base.size()) throw ErroConjugacao("conjugation letter not in the verb");
  d.base[letra] = marca();
  return d;
}

QString cabecalho(const QString& nome) {
  return QStringLiteral("<span id='tempo1'> <table width = 90 border=0 cellspacing=0 cellpadding=0><tr><td "
                        "colspan=2><span id='tempo'>") +
         nome + QStringLiteral("</span><br><span id='etempoA'>&nbsp;</span></td></tr>");
}

QString fecho() {
  return QStringLiteral("<tr><td colspan='2'><span id='etempoB'>&nbsp;</span></td></tr></table></span> ");
}

QString linhaPessoal(int tempo, int pessoa, const QString& mostrada) {
  if (tempo == kImperativo) {
    return QStringLiteral("<tr><td><span id='conj'>") + mostrada +
           QStringLiteral("&nbsp;</span></td><td nowrap><span id='pron'>") + pronome(pessoa) +
           QStringLiteral("<br></span></td></tr>");
  }
  return QStringLiteral("<tr><td><span id='pron'>") + pronome(pessoa) +
         QStringLiteral("&nbsp;</span></td><td nowrap><span id='conj'>") + mostrada +
         QStringLiteral("<br></span></td></tr>");
}

// Tenses 12 and 13: the form alone, or the person beside a "/".
QString linhaNominal(int pessoa, const QString& mostrada) {
  if (mostrada == u"/") {
    return QStringLiteral("<tr><td><span id='pron'>") + pronome(pessoa) +
           QStringLiteral("&nbsp;</span></td><td><span id='conj'>/<br></span></td></tr>");
  }
  return QStringLiteral("<tr><td colspan=2><span id='conj'>") + mostrada + QStringLiteral("\r\n</span></td></tr>");
}

QString linha(int tempo, int pessoa, const QString& forma, const Desinencia& d) {
  if (tempo < kGerundio) return linhaPessoal(tempo, pessoa, d.mostra(forma));
  if (forma.isEmpty()) return QString();
  return linhaNominal(pessoa, d.mostra(forma));
}

// Data that holds nothing but blanks around nothing or one character 160.
bool semConjugacao(const QString& dados) {
  qsizetype inicio = 0;
  qsizetype fim = dados.size();
  while (inicio < fim && dados[inicio] == u' ') ++inicio;
  while (fim > inicio && dados[fim - 1] == u' ') --fim;
  return fim == inicio || (fim - inicio == 1 && dados[inicio] == marca());
}

}  // namespace

QString MontaConjugacao(const QString& verbo, const QString& dados) {
  if (semConjugacao(dados)) return QString();
  const QStringList partes = dados.split(marca());
  if (partes.size() < 2) throw ErroConjugacao("conjugation data without character 160");
  const std::optional<Desinencia> desinencia = preparaDesinencia(verbo, partes[0]);
  if (!desinencia) return QString();
  const QStringList formas = partes[1].isEmpty() ? QStringList() : partes[1].split(u';');
  const QStringList nomes = LoadResString(120).split(u',');

  std::array<QString, kTempos + 1> blocos;  // 1 to 13
  int pessoa = 0;
  int tempo = 0;
  for (const QString& forma : formas) {
    if (pessoa == 0) {
      if (tempo > 0) blocos[tempo] += fecho();
      if (++tempo > kTempos) throw ErroConjugacao("more than 72 conjugation forms");
      blocos[tempo] += cabecalho(nomes.value(tempo - 1));
      if (tempo == kImperativo) pessoa = 1;
      if (tempo == kGerundio) pessoa = 5;
    }
    blocos[tempo] += linha(tempo, pessoa, forma, *desinencia);
    if (++pessoa == kPessoas) pessoa = 0;
  }

  QString html = QStringLiteral("<table align='right' border=0 cellspacing=0 cellpadding=0><tr><td>");
  for (int b : {1, 3, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}) html += blocos[b];
  return html + QStringLiteral("</table></td></tr></table>");
}

}  // namespace modMain
