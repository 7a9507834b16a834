#include "PaginaLista.h"

#include "CodificaHTML.h"

const QString kLinhaSimples = QStringLiteral(
    "<table border='0' cellspacing='0' cellpadding='0' width='100%'><tr><td height='10'></td></tr><tr><td "
    "background='simples.gif' height='6' ></td></tr><tr><td height='10'></td></tr></table>");
const QString kLinhaDupla = QStringLiteral(
    "<table border='0' cellspacing='0' cellpadding='0' width='100%'><tr><td height='10'></td></tr><tr><td "
    "background='duplo.gif' height='6'></td></tr><tr><td height='10'></td></tr></table>");

QString MontaPaginaLista(const QString& modelo, const QStringList& valores) {
  QString pagina = modelo;
  for (qsizetype i = 0; i + 1 < valores.size(); i += 2) {
    const QString& nome = valores[i];
    const bool textoDoUsuario = nome == u"1" || nome == u"2";
    pagina.replace(u'%' + nome, textoDoUsuario ? modMain::CodificaHTML(valores[i + 1]) : valores[i + 1]);
  }
  pagina.replace(QStringLiteral("%linhaSimples"), kLinhaSimples);
  pagina.replace(QStringLiteral("%linhaDupla"), kLinhaDupla);
  return pagina;
}
