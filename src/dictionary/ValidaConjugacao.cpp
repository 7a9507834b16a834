#include "ValidaConjugacao.h"

#include <QStringList>

namespace dicionario {
namespace {

constexpr int kMaximoFormas = 72;

QString problemaDaVariacao(const QString& verbo, const QString& regra) {
  const QStringList partes = regra.split(u'|');
  if (partes.size() != 2 || partes[0].isEmpty() || partes[1].isEmpty()) {
    return QStringLiteral("a variation rule is X|E, with X and E not empty: '%1'").arg(regra);
  }
  const qsizetype fim = verbo.lastIndexOf(partes[1]);
  if (fim < 0) return QStringLiteral("the ending '%1' does not occur in '%2'").arg(partes[1], verbo);
  if (verbo.left(fim).lastIndexOf(partes[0]) < 0) {
    return QStringLiteral("the varying letter '%1' does not occur in '%2' before '%3'").arg(partes[0], verbo, partes[1]);
  }
  return QString();
}

QString problemaDaForma(const QString& forma, int indice, bool variacao) {
  if (forma.contains(QChar(160))) return QStringLiteral("form %1 holds a character 160").arg(indice + 1);
  if (!variacao) return QString();
  // The tables show every personal form, so under a variation rule each
  // needs its "|"; a gerund or participle left empty shows no row.
  const int tempo = tempoDaForma(indice);
  if (tempo <= 11 && forma != u"/" && !forma.contains(u'|')) {
    return QStringLiteral("form %1 ('%2') has no '|' under a variation rule").arg(indice + 1).arg(forma);
  }
  if (tempo >= 12 && !forma.isEmpty() && !forma.contains(u'|')) {
    return QStringLiteral("form %1 ('%2'): a gerund or participle under a variation rule is R|F, or empty when missing")
        .arg(indice + 1)
        .arg(forma);
  }
  return QString();
}

}  // namespace

int tempoDaForma(int indice) {
  int pessoa = 0;
  int tempo = 0;
  for (int i = 0; i <= indice; ++i) {
    if (pessoa == 0) {
      ++tempo;
      if (tempo == 10) pessoa = 1;
      if (tempo == 12) pessoa = 5;
    }
    if (++pessoa == 6) pessoa = 0;
  }
  return tempo;
}

QString problemaDaConjugacao(const QString& verbo, const QString& dados) {
  const QStringList partes = dados.split(QChar(160));
  if (partes.size() != 2) return QStringLiteral("conjugation data is a rule, a character 160 and the forms");
  const QString& regra = partes[0];
  if (regra.isEmpty()) return QStringLiteral("the ending rule is empty");
  // QString::lastIndexOf finds a lone character 0 just past the end of any
  // text, so such a rule would seem to fit every verb.
  if (regra.contains(QChar(0))) return QStringLiteral("the ending rule holds a character 0");
  const bool variacao = regra.contains(u'|');
  if (variacao) {
    if (QString p = problemaDaVariacao(verbo, regra); !p.isEmpty()) return p;
  } else if (!verbo.contains(regra)) {
    return QStringLiteral("the ending '%1' does not occur in '%2'").arg(regra, verbo);
  }
  const QStringList formas = partes[1].isEmpty() ? QStringList() : partes[1].split(u';');
  if (formas.size() > kMaximoFormas) return QStringLiteral("%1 forms, at most 72").arg(formas.size());
  for (int i = 0; i < formas.size(); ++i) {
    if (QString p = problemaDaForma(formas[i], i, variacao); !p.isEmpty()) return p;
  }
  return QString();
}

}  // namespace dicionario
