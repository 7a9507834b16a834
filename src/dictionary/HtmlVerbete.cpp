#include "HtmlVerbete.h"

#include "WordCharacter.h"

#include <algorithm>

namespace dicionario {
namespace {

// Characters that join two runs of letters into one word ("guarda-chuva",
// "d'água", "v.t.d").
bool ehJuncao(QChar c) { return c == u'-' || c == u'\'' || c == u'.' || c == QChar(0x2019); }

void acrescentaEscapado(QStringView texto, QString& html) { html += texto.toString().toHtmlEscaped(); }

const char* idDoSpan(Elemento e) {
  switch (e) {
    case Elemento::Etimologia: return span::kEtimologia;
    case Elemento::Classe: return span::kClasse;
    case Elemento::Regencia: return span::kRegencia;
    case Elemento::NumeroDefinicao: return span::kNumeroDefinicao;
    case Elemento::Rubrica: return span::kRubrica;
    case Elemento::Definicao: return span::kDefinicao;
    case Elemento::TituloLocucao: return span::kTituloLocucao;
    case Elemento::Locucao: return span::kLocucao;
    case Elemento::Achega: return span::kAchega;
  }
  return span::kDefinicao;
}

void abreSpan(const char* id, QString& html) {
  html += u"<span id=\"";
  html += QLatin1StringView(id);
  html += u"\">";
}

}  // namespace

HtmlVerbete::HtmlVerbete(std::function<bool(const QString&)> ehAbreviatura)
    : ehAbreviatura_(std::move(ehAbreviatura)) {}

QString HtmlVerbete::monta(const QString& titulo, const ConteudoVerbete& conteudo) const {
  QString html;
  html.reserve(1024);
  const qsizetype marca = titulo.indexOf(QChar(160));
  abreSpan(span::kTitulo, html);
  acrescentaEscapado(QStringView(titulo).left(marca < 0 ? titulo.size() : marca), html);
  html += u"</span>";
  if (marca >= 0) {
    abreSpan(span::kHomografo, html);
    acrescentaEscapado(QStringView(titulo).mid(marca + 1), html);
    html += u"</span>";
  }
  for (std::size_t i = 0; i < conteudo.linhas.size(); ++i) {
    if (i > 0) html += u"<BR>";
    for (std::size_t j = 0; j < conteudo.linhas[i].size(); ++j) {
      if (i == 0 || j > 0) html += u' ';
      acrescentaParte(conteudo.linhas[i][j], html);
    }
  }
  return html;
}

void HtmlVerbete::acrescentaParte(const Parte& parte, QString& html) const {
  abreSpan(idDoSpan(parte.elemento), html);
  if (parte.elemento == Elemento::NumeroDefinicao) {
    acrescentaEscapado(parte.texto, html);
  } else {
    acrescentaLigado(parte.texto, html);
  }
  html += u"</span>";
}

void HtmlVerbete::acrescentaLigado(QStringView texto, QString& html) const {
  qsizetype i = 0;
  while (i < texto.size()) {
    if (!wordchar::isWordCharacter(texto[i])) {
      const qsizetype inicio = i;
      while (i < texto.size() && !wordchar::isWordCharacter(texto[i])) ++i;
      acrescentaEscapado(texto.mid(inicio, i - inicio), html);
      continue;
    }
    const qsizetype fim = fimDaPalavra(texto, i);
    const QStringView palavra = texto.mid(i, fim - i);
    const bool temLetra = std::any_of(palavra.begin(), palavra.end(), [](QChar c) { return c.isLetter(); });
    if (temLetra) {
      html += u"<a href=\"goto://";
      acrescentaEscapado(palavra, html);
      html += u"\">";
      acrescentaEscapado(palavra, html);
      html += u"</a>";
    } else {
      acrescentaEscapado(palavra, html);
    }
    i = fim;
  }
}

// The end of the word starting at `inicio`: runs of letters joined by single
// junction characters, and a final "." that belongs to an abbreviation.
qsizetype HtmlVerbete::fimDaPalavra(QStringView texto, qsizetype inicio) const {
  qsizetype i = inicio;
  bool temPonto = false;
  while (i < texto.size()) {
    if (wordchar::isWordCharacter(texto[i])) {
      ++i;
    } else if (ehJuncao(texto[i]) && i + 1 < texto.size() && wordchar::isWordCharacter(texto[i + 1])) {
      temPonto = temPonto || texto[i] == u'.';
      ++i;
    } else {
      break;
    }
  }
  if (i < texto.size() && texto[i] == u'.') {
    if (temPonto || ehAbreviatura_(texto.mid(inicio, i + 1 - inicio).toString())) ++i;
  }
  return i;
}

}  // namespace dicionario
