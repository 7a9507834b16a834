#include "TabelaConfiguracoes.h"

namespace TabelaConfiguracoes {

QString HistTit(int n) { return QStringLiteral("HistTit%1").arg(n); }
QString HistID(int n) { return QStringLiteral("HistID%1").arg(n); }

QString NomeCor(const QString& elemento) { return elemento + QStringLiteral(" - Cor "); }
QString NomeCorPadrao(const QString& elemento) { return elemento + QStringLiteral(" - Cor Padrao"); }
QString NomeTipoFonte(const QString& elemento) { return elemento + QStringLiteral(" - Tipo Fonte"); }
QString NomeTipoFontePadrao(const QString& elemento) { return elemento + QStringLiteral(" - Tipo Fonte Padrão"); }

}  // namespace TabelaConfiguracoes
