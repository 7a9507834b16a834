#include "ComandoLink.h"

#include "Numbers.h"

namespace {

bool comecaCom(const QString& url, QLatin1String esquema) {
  return url.left(esquema.size()).compare(esquema, Qt::CaseInsensitive) == 0;
}

QString argumento(const QString& url, qsizetype tamanhoEsquema) {
  QString resto = url.mid(tamanhoEsquema);
  if (resto.endsWith(u'/')) resto.chop(1);
  return resto;
}

}  // namespace

std::optional<ComandoLink> InterpretaLink(const QString& url) {
  static constexpr QLatin1String kGoto("goto://");
  static constexpr QLatin1String kGoId("goid://");
  static constexpr QLatin1String kVoltar("javascript:history.back()");
  if (comecaCom(url, kGoto)) {
    return ComandoLink{ComandoLink::kPalavraClicada, 0, argumento(url, kGoto.size())};
  }
  if (comecaCom(url, kGoId)) {
    return ComandoLink{ComandoLink::kMostraVerbete, num::roundEven(num::val(argumento(url, kGoId.size()))), {}};
  }
  if (url.left(kVoltar.size()) == kVoltar) return ComandoLink{ComandoLink::kVoltar, 0, {}};
  return std::nullopt;
}
