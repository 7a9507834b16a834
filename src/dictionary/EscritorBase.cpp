#include "EscritorBase.h"

#include "ConexaoSqlite.h"
#include "Embaralhamento.h"
#include "FormasConjugacao.h"
#include "FormatoDados.h"
#include "NormalizaPalavra.h"
#include "TabelaChaves.h"
#include "TermosTexto.h"

#include <QSet>

#include <algorithm>
#include <unordered_set>

namespace dicionario {
namespace {

constexpr char kEsquema[] = R"(
PRAGMA journal_mode = OFF;
PRAGMA synchronous = OFF;
PRAGMA cache_size = -65536;
CREATE TABLE info(nome TEXT PRIMARY KEY, valor TEXT NOT NULL);
CREATE TABLE indice(nome TEXT PRIMARY KEY, dados BLOB NOT NULL);
CREATE TABLE verbete(id INTEGER PRIMARY KEY, texto BLOB NOT NULL, formas TEXT NOT NULL);
CREATE TABLE forma(chave TEXT NOT NULL, id INTEGER NOT NULL, PRIMARY KEY (chave, id)) WITHOUT ROWID;
CREATE TABLE conjugacao(id INTEGER PRIMARY KEY, dados TEXT NOT NULL);
CREATE TABLE abreviatura(texto TEXT PRIMARY KEY, significados TEXT NOT NULL);
CREATE VIRTUAL TABLE texto USING fts5(termos, content='', detail=none, columnsize=0,
                                      tokenize="ascii tokenchars '-'", prefix='2 3');
BEGIN;
)";

constexpr char kFim[] = R"(
COMMIT;
INSERT INTO texto(texto) VALUES('optimize');
PRAGMA journal_mode = DELETE;
)";

// The words of an entry that the text search finds: etymology, definitions,
// phrases and addendum, once each.
QString termosDoVerbete(const ConteudoVerbete& conteudo, std::unordered_set<std::string>& todos) {
  QStringList termos;
  QSet<QString> vistos;
  for (const auto& linha : conteudo.linhas) {
    for (const Parte& p : linha) {
      const bool indexado = p.elemento == Elemento::Etimologia || p.elemento == Elemento::Definicao ||
                            p.elemento == Elemento::TituloLocucao || p.elemento == Elemento::Locucao ||
                            p.elemento == Elemento::Achega;
      if (!indexado) continue;
      for (const QString& t : termosDoTexto(p.texto)) {
        if (!vistos.contains(t)) {
          vistos.insert(t);
          termos.append(t);
        }
      }
    }
  }
  for (const QString& t : termos) todos.insert(t.toStdString());
  return termos.join(u' ');
}

class Escrita final {
 public:
  Escrita(const QString& arquivo, const Fonte& fonte, const std::vector<std::string>& chaves)
      : conexao_(arquivo, ConexaoSqlite::Modo::Criacao), fonte_(fonte), chaves_(chaves) {}

  bool executa(QString& erro);

 private:
  bool info();
  bool verbetes();
  static bool chavesDasFormas(const VerbeteFonte& v, std::int32_t id, ComandoSqlite& forma);
  bool abreviaturas();
  bool indice();
  bool blob(const char* nome, const QByteArray& dados);
  bool falhou(const ComandoSqlite& c) { return !c.valido() || c.falhou(); }

  ConexaoSqlite conexao_;
  const Fonte& fonte_;
  const std::vector<std::string>& chaves_;
  std::unordered_set<std::string> termos_;
};

bool Escrita::executa(QString& erro) {
  const bool ok = conexao_.executa(kEsquema) && info() && verbetes() && abreviaturas() && indice() &&
                  conexao_.executa(kFim);
  if (!ok) erro = QStringLiteral("writing the database failed: %1").arg(conexao_.erro());
  return ok;
}

bool Escrita::info() {
  ComandoSqlite c(conexao_, "INSERT INTO info(nome, valor) VALUES(?, ?)");
  const std::pair<const char*, QString> valores[] = {
      {"formato", QString::number(formato::kVersao)},
      {"verbetes", QString::number(fonte_.verbetes.size())},
      {"dados", fonte_.info.textoVersao},
      {"empresa", fonte_.info.empresa},
  };
  for (const auto& [nome, valor] : valores) {
    c.reinicia();
    c.ligaTexto(1, nome);
    c.liga(2, valor);
    if (!c.executa()) return false;
  }
  return !falhou(c);
}

bool Escrita::verbetes() {
  ComandoSqlite texto(conexao_, "INSERT INTO verbete(id, texto, formas) VALUES(?, ?, ?)");
  ComandoSqlite conj(conexao_, "INSERT INTO conjugacao(id, dados) VALUES(?, ?)");
  ComandoSqlite fts(conexao_, "INSERT INTO texto(rowid, termos) VALUES(?, ?)");
  ComandoSqlite forma(conexao_, "INSERT INTO forma(chave, id) VALUES(?, ?)");
  if (falhou(texto) || falhou(conj) || falhou(fts) || falhou(forma)) return false;
  for (std::size_t i = 0; i < fonte_.verbetes.size(); ++i) {
    const VerbeteFonte& v = fonte_.verbetes[i];
    const auto id = static_cast<std::int32_t>(i);
    texto.reinicia();
    texto.liga(1, id);
    texto.ligaBlob(2, embaralhamento::embaralha(serializa(v.conteudo), id, modMain::ChaveVerbete(id)));
    texto.liga(3, v.formas.join(u';'));
    fts.reinicia();
    fts.liga(1, id);
    fts.liga(2, termosDoVerbete(v.conteudo, termos_));
    if (!texto.executa() || !fts.executa() || !chavesDasFormas(v, id, forma)) return false;
    if (v.conjugacao.isEmpty()) continue;
    conj.reinicia();
    conj.liga(1, id);
    conj.liga(2, v.conjugacao);
    if (!conj.executa()) return false;
  }
  return true;
}

// The keys the flexible search finds entry `id` by, besides its own: those
// of its forms and of its conjugated forms.
bool Escrita::chavesDasFormas(const VerbeteFonte& v, std::int32_t id, ComandoSqlite& forma) {
  const QString propria = modMain::NormalizaPalavra(v.palavra);
  QSet<QString> chaves;
  for (const QString& f : v.formas + formasDaConjugacao(v.palavra, v.conjugacao)) chaves.insert(modMain::NormalizaPalavra(f));
  chaves.remove(propria);
  for (const QString& chave : chaves) {
    forma.reinicia();
    forma.liga(1, chave);
    forma.liga(2, id);
    if (!forma.executa()) return false;
  }
  return true;
}

bool Escrita::abreviaturas() {
  ComandoSqlite c(conexao_, "INSERT INTO abreviatura(texto, significados) VALUES(?, ?)");
  for (const AbreviaturaFonte& a : fonte_.abreviaturas) {
    c.reinicia();
    c.liga(1, a.texto);
    c.liga(2, a.significados.join(u'|'));
    if (!c.executa()) return false;
  }
  return !falhou(c);
}

bool Escrita::indice() {
  QByteArray titulos;
  QByteArray chaves;
  QByteArray classes;
  for (std::size_t i = 0; i < fonte_.verbetes.size(); ++i) {
    titulos += fonte_.verbetes[i].titulo().toUtf8() + '\n';
    chaves += QByteArray::fromStdString(chaves_[i]) + '\n';
    classes += static_cast<char>(fonte_.verbetes[i].classes & 0xFF);
    classes += static_cast<char>(fonte_.verbetes[i].classes >> 8);
  }
  std::vector<std::string> ordenados(termos_.begin(), termos_.end());
  std::sort(ordenados.begin(), ordenados.end());
  QByteArray termos;
  for (const std::string& t : ordenados) termos += QByteArray::fromStdString(t) + '\n';
  return blob(formato::kIndiceTitulos, titulos) && blob(formato::kIndiceChaves, chaves) &&
         blob(formato::kIndiceClasses, classes) && blob(formato::kIndiceTermos, termos);
}

bool Escrita::blob(const char* nome, const QByteArray& dados) {
  ComandoSqlite c(conexao_, "INSERT INTO indice(nome, dados) VALUES(?, ?)");
  c.ligaTexto(1, nome);
  c.ligaBlob(2, dados);
  return c.executa() && !falhou(c);
}

}  // namespace

bool EscritorBase::escreve(const QString& arquivo, const Fonte& fonte, const std::vector<std::string>& chaves) {
  erro_.clear();
  Escrita escrita(arquivo, fonte, chaves);
  return escrita.executa(erro_);
}

}  // namespace dicionario
