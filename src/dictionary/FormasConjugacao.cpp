#include "FormasConjugacao.h"

namespace dicionario {
namespace {

QString formaVariada(const QString& modelo, const QString& forma) {
  const qsizetype barra = forma.indexOf(u'|');
  if (barra < 0) return QString();
  const QString fim = forma.mid(barra + 1);
  if (fim == u"/") return QString();
  QString feita = modelo;
  feita.replace(QChar(160), forma.left(barra));
  return feita + fim;
}

}  // namespace

QStringList formasDaConjugacao(const QString& verbo, const QString& dados) {
  const QStringList partes = dados.split(QChar(160));
  if (partes.size() != 2) return {};
  const QString& spec = partes[0];
  const qsizetype barra = spec.indexOf(u'|');
  QString modelo;
  if (barra >= 0) {
    const QString variavel = spec.left(barra);
    modelo = verbo.left(verbo.lastIndexOf(spec.mid(barra + 1)));
    const qsizetype marca = modelo.lastIndexOf(variavel);
    if (marca < 0) return {};
    modelo[marca] = QChar(160);
  } else {
    const qsizetype fim = verbo.lastIndexOf(spec);
    if (fim < 0) return {};
    modelo = verbo.left(fim);
  }
  QStringList formas;
  for (const QString& f : partes[1].split(u';')) {
    if (f.isEmpty() || f == u"/") continue;
    const QString feita = barra >= 0 ? formaVariada(modelo, f) : modelo + f;
    if (!feita.isEmpty() && !formas.contains(feita)) formas.append(feita);
  }
  return formas;
}

}  // namespace dicionario
