#include "PalavrasVazias.h"

#include "Trim.h"

namespace modMain {

const QStringList& CarregaPalavrasVazias() {
  static const QStringList palavras = [] {
    QStringList lista = QString::fromUtf8(
        "& , - . a an AND ao aos as at be Between By co com como con da das de del der des desta destas "
        "deste destes Do dos du el ela elas ele eles em en es essa essas esse esses esta estão estas este "
        "estes et etc for From fur ha il in Into intro isso issos isto istos its ja la le les lhe lhes mas "
        "me meu meus mi minha minhas na nao nas no nos of on OR os ou pa por porem que se seu seus sob "
        "sobre sua suas te teu teus the ti to um uma umas un und une uns upon")
                            .split(u' ');
    for (char16_t letra = u'b'; letra <= u'z'; ++letra) lista.append(QString(QChar(letra)));
    return lista;
  }();
  return palavras;
}

bool EhPalavraVazia(const QString& palavra) {
  const QString minuscula = palavra.toLower();
  for (const QString& vazia : CarregaPalavrasVazias()) {
    if (vazia.toLower() == minuscula) return true;
  }
  return false;
}

bool TemPalavraLonga(const QString& texto) {
  QString simples = texto;
  while (simples.contains(QStringLiteral("  "))) simples.replace(QStringLiteral("  "), QStringLiteral(" "));
  for (const QString& pedaco : simples.split(u' ')) {
    if (pedaco.size() > 1) return true;
  }
  return false;
}

QString FiltraPalavrasVazias(const QString& consulta, const MostraMensagemConsulta& mostra) {
  if (!TemPalavraLonga(consulta)) {
    mostra(501, QString());
    return QString();
  }
  if (EhPalavraVazia(trim::blanks(consulta))) {
    mostra(502, consulta);
    return QString();
  }
  QString resultado;
  for (const QString& pedaco : consulta.split(u' ')) {
    if (EhPalavraVazia(pedaco)) continue;
    if (!resultado.isEmpty()) {
      resultado += u' ' + pedaco;
    } else if (!pedaco.isEmpty()) {
      resultado = pedaco;
    }
  }
  if (trim::blanks(resultado).isEmpty()) {
    mostra(502, consulta);
    return QString();
  }
  return resultado;
}

}  // namespace modMain
