#include "FonteDicionario.h"

#include "Ansi.h"
#include "ClassesGramaticais.h"
#include "FormatoDados.h"
#include "NormalizaPalavra.h"
#include "ValidaConjugacao.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace dicionario {
namespace {

struct Campo {
  QString nome;
  QString valor;
  int linha = 0;
};
using Registro = std::vector<Campo>;

// Characters a headword, form or abbreviation may not hold: they separate
// items in the texts the program reads back.
bool temReservado(const QString& texto) {
  return texto.contains(u'|') || texto.contains(ansi::chr(160)) || texto.contains(ansi::chr(159));
}

// Reads one entry record, field by field.
class LeitorVerbete final {
 public:
  explicit LeitorVerbete(VerbeteFonte& v) : v_(v) {}

  QString campo(const Campo& c);
  QString termina();

 private:
  QString palavra(const QString& valor);
  QString homografo(const QString& valor);
  QString etimologia(const QString& valor);
  QString rotulo(Elemento elemento, const QString& valor);
  QString definicao(const QString& valor);
  QString locucao(const QString& valor);
  QString filtros(const QString& valor);
  QString formas(const QString& valor);
  QString conjugacao(const QString& valor, int linha);
  void novaLinha(std::vector<Parte> partes) { v_.conteudo.linhas.push_back(std::move(partes)); }

  VerbeteFonte& v_;
  std::vector<std::size_t> linhasDefinicao_;
  bool temEtimologia_ = false;
  bool temTexto_ = false;
};

QString LeitorVerbete::campo(const Campo& c) {
  if (v_.conteudo.linhas.empty()) v_.conteudo.linhas.emplace_back();
  if (c.nome == u"verbete") return palavra(c.valor);
  if (c.nome == u"homografo") return homografo(c.valor);
  if (c.nome == u"etimologia") return etimologia(c.valor);
  if (c.nome == u"classe") return rotulo(Elemento::Classe, c.valor);
  if (c.nome == u"regencia") return rotulo(Elemento::Regencia, c.valor);
  if (c.nome == u"def") return definicao(c.valor);
  if (c.nome == u"locucao") return locucao(c.valor);
  if (c.nome == u"achega") {
    novaLinha({{Elemento::Achega, c.valor}});
    temTexto_ = true;
    return QString();
  }
  if (c.nome == u"filtros") return filtros(c.valor);
  if (c.nome == u"formas") return formas(c.valor);
  if (c.nome == u"conj") return conjugacao(c.valor, c.linha);
  return QStringLiteral("unknown field '%1' in an entry").arg(c.nome);
}

QString LeitorVerbete::palavra(const QString& valor) {
  if (!v_.palavra.isEmpty()) return QStringLiteral("a second 'verbete' in one record (is a blank line missing?)");
  if (temReservado(valor)) return QStringLiteral("a headword may not hold '|' or characters 159 and 160");
  if (modMain::NormalizaPalavra(valor).isEmpty()) return QStringLiteral("the headword '%1' has no letters to search by").arg(valor);
  v_.palavra = valor;
  return QString();
}

QString LeitorVerbete::homografo(const QString& valor) {
  bool ok = false;
  const int n = valor.toInt(&ok);
  if (!ok || n < 1 || n > 99) return QStringLiteral("the homograph number must be 1 to 99, not '%1'").arg(valor);
  if (v_.homografo != 0) return QStringLiteral("a second homograph number");
  v_.homografo = n;
  return QString();
}

QString LeitorVerbete::etimologia(const QString& valor) {
  if (temEtimologia_) return QStringLiteral("a second etymology");
  temEtimologia_ = true;
  v_.conteudo.linhas.front().push_back({Elemento::Etimologia, valor});
  return QString();
}

QString LeitorVerbete::rotulo(Elemento elemento, const QString& valor) {
  novaLinha({{elemento, valor}});
  if (const std::optional<int> codigo = classes::codigoDoRotulo(valor)) v_.classes |= 1u << *codigo;
  return QString();
}

// A rubric in braces at the start of `texto` ("{Bot.} text") becomes a part
// of its own in `partes`, and `texto` keeps what follows it.
QString separaRubrica(QString& texto, std::vector<Parte>& partes) {
  if (!texto.startsWith(u'{')) return QString();
  const qsizetype fecha = texto.indexOf(u'}');
  if (fecha < 0) return QStringLiteral("a rubric opened with '{' is not closed");
  const QString rubrica = texto.mid(1, fecha - 1).trimmed();
  texto = texto.mid(fecha + 1).trimmed();
  if (rubrica.isEmpty()) return QStringLiteral("an empty rubric");
  partes.push_back({Elemento::Rubrica, rubrica});
  return QString();
}

// "def: text" or "def: {Rubric} text".
QString LeitorVerbete::definicao(const QString& valor) {
  std::vector<Parte> partes;
  QString texto = valor;
  if (QString p = separaRubrica(texto, partes); !p.isEmpty()) return p;
  if (texto.isEmpty()) return QStringLiteral("a definition with no text");
  partes.push_back({Elemento::Definicao, texto});
  linhasDefinicao_.push_back(v_.conteudo.linhas.size());
  novaLinha(std::move(partes));
  temTexto_ = true;
  return QString();
}

// "locucao: phrase = meaning" or "locucao: phrase = {Rubric} meaning"; the
// rubric stands between the phrase and its meaning.
QString LeitorVerbete::locucao(const QString& valor) {
  const qsizetype igual = valor.indexOf(QStringLiteral(" = "));
  const QString titulo = igual < 0 ? QString() : valor.left(igual).trimmed();
  QString sentido = igual < 0 ? QString() : valor.mid(igual + 3).trimmed();
  if (titulo.isEmpty() || sentido.isEmpty()) return QStringLiteral("a phrase is 'phrase = meaning'");
  if (titulo.startsWith(u'{')) return QStringLiteral("a phrase's rubric goes at the start of its meaning, after ' = '");
  std::vector<Parte> partes{{Elemento::TituloLocucao, titulo}};
  if (QString p = separaRubrica(sentido, partes); !p.isEmpty()) return p;
  if (sentido.isEmpty()) return QStringLiteral("a phrase with a rubric but no meaning");
  partes.push_back({Elemento::Locucao, sentido});
  novaLinha(std::move(partes));
  temTexto_ = true;
  return QString();
}

QString LeitorVerbete::filtros(const QString& valor) {
  static const QRegularExpression separador(QStringLiteral("[,;\\s]+"));
  for (const QString& nome : valor.split(separador, Qt::SkipEmptyParts)) {
    const std::optional<int> codigo = classes::codigoDoNome(nome);
    if (!codigo) {
      return QStringLiteral("unknown class '%1' (the classes are %2)").arg(nome, classes::nomes().join(u", "));
    }
    v_.classes |= 1u << *codigo;
  }
  return QString();
}

QString LeitorVerbete::formas(const QString& valor) {
  for (const QString& bruta : valor.split(u';')) {
    const QString forma = bruta.trimmed();
    if (forma.isEmpty()) return QStringLiteral("an empty form (forms are separated by ';')");
    if (temReservado(forma)) return QStringLiteral("a form may not hold '|' or characters 159 and 160");
    if (modMain::NormalizaPalavra(forma).isEmpty()) return QStringLiteral("the form '%1' has no letters").arg(forma);
    v_.formas.append(forma);
  }
  return QString();
}

// "conj: como verb" or "conj: rule = form;form;...".
QString LeitorVerbete::conjugacao(const QString& valor, int linha) {
  if (!v_.conjugacao.isEmpty() || !v_.conjugacaoComo.isEmpty()) return QStringLiteral("a second conjugation");
  v_.linhaConjugacao = linha;
  if (valor.startsWith(QStringLiteral("como "))) {
    v_.conjugacaoComo = valor.mid(5).trimmed();
    return v_.conjugacaoComo.isEmpty() ? QStringLiteral("'conj: como' names no verb") : QString();
  }
  const qsizetype igual = valor.indexOf(u'=');
  if (igual < 0) return QStringLiteral("a conjugation is 'rule = forms' or 'como verb'");
  const QString dados = valor.left(igual).trimmed() + QChar(160) + valor.mid(igual + 1).remove(u' ');
  if (v_.palavra.isEmpty()) return QStringLiteral("the conjugation comes before the headword");
  if (QString p = problemaDaConjugacao(v_.palavra, dados); !p.isEmpty()) return p;
  v_.conjugacao = dados;
  return QString();
}

QString LeitorVerbete::termina() {
  if (!temTexto_) return QStringLiteral("the entry '%1' has no definition, phrase or addendum").arg(v_.palavra);
  if (linhasDefinicao_.size() >= 2) {
    for (std::size_t i = 0; i < linhasDefinicao_.size(); ++i) {
      auto& linha = v_.conteudo.linhas[linhasDefinicao_[i]];
      linha.insert(linha.begin(), Parte{Elemento::NumeroDefinicao, QString::number(i + 1) + u'.'});
    }
  }
  return QString();
}

}  // namespace

namespace {

// Splits a source text into records; false on a line that is not
// "field: value", with `erro` filled but for the file name.
bool separaRegistros(const QString& texto, std::vector<Registro>& registros, ErroFonte& erro) {
  static const QRegularExpression formato(QStringLiteral("^([a-z]+)\\s*:\\s*(.*)$"));
  Registro atual;
  const QStringList linhas = texto.split(u'\n');
  for (int i = 0; i < linhas.size(); ++i) {
    QString linha = linhas[i];
    linha.replace(u'\t', u' ');
    linha = linha.trimmed();
    if (linha.startsWith(u'#')) continue;
    if (linha.isEmpty()) {
      if (!atual.empty()) registros.push_back(std::move(atual));
      atual.clear();
      continue;
    }
    const QRegularExpressionMatch m = formato.match(linha);
    if (!m.hasMatch()) {
      erro = {QString(), i + 1, QStringLiteral("expected 'field: value', found '%1'").arg(linha.left(40))};
      return false;
    }
    if (m.captured(2).isEmpty()) {
      erro = {QString(), i + 1, QStringLiteral("the field '%1' has no value").arg(m.captured(1))};
      return false;
    }
    atual.push_back({m.captured(1), m.captured(2), i + 1});
  }
  if (!atual.empty()) registros.push_back(std::move(atual));
  return true;
}

// Fills `erro` from the field at fault and returns false, for one-line exits.
bool falha(ErroFonte& erro, const Campo& campo, const QString& motivo) {
  erro = {QString(), campo.linha, motivo};
  return false;
}

bool leVerbete(const Registro& registro, Fonte& fonte, ErroFonte& erro) {
  VerbeteFonte v;
  v.linha = registro.front().linha;
  LeitorVerbete leitor(v);
  for (const Campo& c : registro) {
    if (QString motivo = leitor.campo(c); !motivo.isEmpty()) return falha(erro, c, motivo);
  }
  if (QString motivo = leitor.termina(); !motivo.isEmpty()) return falha(erro, registro.front(), motivo);
  fonte.verbetes.push_back(std::move(v));
  return true;
}

bool leAbreviatura(const Registro& registro, Fonte& fonte, ErroFonte& erro) {
  AbreviaturaFonte a;
  for (const Campo& c : registro) {
    if (c.nome == u"abreviatura" && a.texto.isEmpty()) {
      if (!c.valor.endsWith(u'.') || c.valor.contains(u' ') || temReservado(c.valor)) {
        return falha(erro, c, QStringLiteral("an abbreviation is one word ending in '.', not '%1'").arg(c.valor));
      }
      const bool repetida = std::any_of(fonte.abreviaturas.begin(), fonte.abreviaturas.end(),
                                        [&](const AbreviaturaFonte& outra) { return outra.texto == c.valor; });
      if (repetida) return falha(erro, c, QStringLiteral("'%1' is already an abbreviation").arg(c.valor));
      a.texto = c.valor;
    } else if (c.nome == u"significado") {
      if (c.valor.contains(u'|')) return falha(erro, c, QStringLiteral("a meaning may not hold '|'"));
      a.significados.append(c.valor);
    } else {
      return falha(erro, c, QStringLiteral("unexpected field '%1' in an abbreviation").arg(c.nome));
    }
  }
  if (a.significados.isEmpty()) return falha(erro, registro.front(), QStringLiteral("an abbreviation with no meaning"));
  fonte.abreviaturas.push_back(std::move(a));
  return true;
}

// The header fields must fit their fixed 15 ANSI characters.
QString problemaDoRotulo(const QString& valor) {
  if (valor.size() > formato::kTamanhoRotulo) return QStringLiteral("at most 15 characters: '%1'").arg(valor);
  if (ansi::toUnicode(ansi::fromUnicode(valor)) != valor) return QStringLiteral("'%1' has characters outside Windows-1252").arg(valor);
  return QString();
}

bool leInfo(const Registro& registro, Fonte& fonte, ErroFonte& erro) {
  if (fonte.temInfo) return falha(erro, registro.front(), QStringLiteral("a second 'dicionario' record"));
  InfoFonte info;
  for (const Campo& c : registro) {
    QString* destino = c.nome == u"dicionario" ? &info.textoVersao
                       : c.nome == u"empresa"  ? &info.empresa
                       : c.nome == u"versao"   ? &info.versao
                       : c.nome == u"codigo"   ? &info.codigo
                                               : nullptr;
    if (destino == nullptr) return falha(erro, c, QStringLiteral("unexpected field '%1' in the 'dicionario' record").arg(c.nome));
    if (!destino->isEmpty()) return falha(erro, c, QStringLiteral("a second '%1'").arg(c.nome));
    if (c.valor.contains(u'|')) return falha(erro, c, QStringLiteral("'%1' may not hold '|'").arg(c.nome));
    if (destino == &info.versao || destino == &info.codigo) {
      if (QString p = problemaDoRotulo(c.valor); !p.isEmpty()) return falha(erro, c, p);
    }
    *destino = c.valor;
  }
  fonte.temInfo = true;
  fonte.info = info;
  return true;
}

bool leRegistro(const Registro& registro, Fonte& fonte, ErroFonte& erro) {
  const QString& tipo = registro.front().nome;
  if (tipo == u"verbete") return leVerbete(registro, fonte, erro);
  if (tipo == u"abreviatura") return leAbreviatura(registro, fonte, erro);
  if (tipo == u"dicionario") return leInfo(registro, fonte, erro);
  return falha(erro, registro.front(),
               QStringLiteral("a record starts with 'verbete', 'abreviatura' or 'dicionario', not '%1'").arg(tipo));
}

}  // namespace

QString ErroFonte::mensagem() const {
  return linha > 0 ? QStringLiteral("%1:%2: %3").arg(arquivo).arg(linha).arg(motivo)
                   : QStringLiteral("%1: %2").arg(arquivo, motivo);
}

QString VerbeteFonte::titulo() const {
  return homografo == 0 ? palavra : palavra + QChar(160) + QString::number(homografo);
}

bool LeitorFonte::le(const QString& arquivo, Fonte& fonte) {
  QFile f(arquivo);
  if (!f.open(QIODevice::ReadOnly)) {
    erro_ = {arquivo, 0, QStringLiteral("cannot read the file: %1").arg(f.errorString())};
    return false;
  }
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString texto = utf8.decode(f.readAll());
  if (utf8.hasError()) {
    erro_ = {arquivo, 0, QStringLiteral("the file is not UTF-8 text")};
    return false;
  }
  return leTexto(arquivo, texto, fonte);
}

bool LeitorFonte::leTexto(const QString& nome, const QString& texto, Fonte& fonte) {
  erro_ = {};
  std::vector<Registro> registros;
  bool ok = separaRegistros(texto, registros, erro_);
  for (std::size_t i = 0; ok && i < registros.size(); ++i) ok = leRegistro(registros[i], fonte, erro_);
  for (VerbeteFonte& v : fonte.verbetes) {
    if (v.arquivo.isEmpty()) v.arquivo = nome;
  }
  if (!ok) erro_.arquivo = nome;
  return ok;
}

}  // namespace dicionario
