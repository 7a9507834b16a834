#include "MarcaBusca.h"

#include "NormalizaPalavra.h"
#include "PageDocument.h"
#include "TextRange.h"

#include <functional>

namespace {

using Unit = TextRange::Unit;

struct Pintor {
  const QString& fundo;
  const QString& texto;

  void operator()(TextRange range) const {
    range.execCommand(TextRange::Command::BackColor, fundo);
    range.execCommand(TextRange::Command::ForeColor, texto);
  }
};

QString chave(const QString& palavra) { return modMain::NormalizaPalavra(palavra).toUpper(); }

// The word around a find, its trailing blanks left out.
TextRange palavraEm(PageDocument& pagina, const TextRange& achado) {
  TextRange palavra = achado.duplicate();
  palavra.expand(Unit::Word);
  const QString texto = palavra.text();
  qsizetype inicio = 0;
  qsizetype fim = texto.size();
  while (inicio < fim && texto[inicio].isSpace()) ++inicio;
  while (fim > inicio && texto[fim - 1].isSpace()) --fim;
  return TextRange(pagina, palavra.start() + inicio, palavra.start() + fim);
}

// Finds `procurado` from the start of the page, one occurrence after the
// other, and hands each find with its word to `trata`.
void ParaCadaAchado(PageDocument& pagina, const QString& procurado,
                    const std::function<void(const TextRange& achado, const TextRange& palavra)>& trata) {
  TextRange range = pagina.createRange();
  range.expand(Unit::TextEdit);
  while (range.findText(procurado)) {
    trata(range, palavraEm(pagina, range));
    range.move(1);
  }
}

void MarcaPalavras(PageDocument& pagina, const QString& palavras, const Pintor& pinta) {
  for (const QString& w : palavras.split(u' ', Qt::SkipEmptyParts)) {
    const QString procurada = chave(w);
    ParaCadaAchado(pagina, w, [&](const TextRange& achado, const TextRange& palavra) {
      if (chave(palavra.text()) == procurada) pinta(achado);
    });
  }
}

}  // namespace

void MarcaBusca(PageDocument& pagina, const TermosBusca& termos, const QString& corFundo, const QString& corTexto) {
  const Pintor pinta{corFundo, corTexto};
  const QString ini = termos.iniciada.toUpper();
  const QString ter = termos.terminada.toUpper();
  if (ini.isEmpty() && ter.isEmpty()) {
    MarcaPalavras(pagina, termos.palavra, pinta);
  } else if (ter.isEmpty()) {
    ParaCadaAchado(pagina, termos.iniciada, [&](const TextRange& achado, const TextRange& palavra) {
      if (palavra.text().left(ini.size()).toUpper() == ini) pinta(achado);
    });
  } else if (ini.isEmpty()) {
    ParaCadaAchado(pagina, termos.terminada, [&](const TextRange& achado, const TextRange& palavra) {
      if (palavra.text().right(ter.size()).toUpper() == ter) pinta(achado);
    });
  } else {
    qsizetype ultima = -1;  // a word holding the text twice is painted once
    ParaCadaAchado(pagina, termos.iniciada, [&](const TextRange&, const TextRange& palavra) {
      const QString texto = palavra.text().toUpper();
      if (palavra.start() == ultima || !texto.startsWith(ini) || !texto.endsWith(ter)) return;
      pinta(palavra);
      ultima = palavra.start();
    });
  }
}

QString CorCSS(std::int32_t bgr) {
  const int r = bgr & 0xFF;
  const int g = (bgr >> 8) & 0xFF;
  const int b = (bgr >> 16) & 0xFF;
  return QStringLiteral("#%1%2%3").arg(r, 2, 16, QChar(u'0')).arg(g, 2, 16, QChar(u'0')).arg(b, 2, 16, QChar(u'0'));
}
