// Data folders that are missing, foreign or damaged: a clear false from
// AbreDados or an empty answer, never a crash.

#include "ConexaoSqlite.h"
#include "DLLMiniVocabraDB.h"
#include "DadosDeTeste.h"
#include "TabelaChaves.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using dicionario::ConexaoSqlite;

class DadosDanificados : public ::testing::Test {
 public:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(dadosteste::constroi(QString::fromUtf8(dadosteste::kFonte), pasta()));
    modMain::InicializaChaves();
  }
  QString pasta() const { return raiz_.path() + QStringLiteral("/dados"); }
  QString base() const { return pasta() + QStringLiteral("/minivocabra.db"); }

  void altera(const char* sql) {
    ConexaoSqlite conexao(base(), ConexaoSqlite::Modo::Criacao);
    ASSERT_TRUE(conexao.executa(sql)) << conexao.erro().toStdString();
  }
  void escreve(const QByteArray& bytes) {
    QFile arquivo(base());
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    arquivo.write(bytes);
  }
  QByteArray conteudo() const {
    QFile arquivo(base());
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
  }

  QTemporaryDir raiz_;
};

TEST_F(DadosDanificados, AFolderThatCannotBeReadIsRefused) {
  const std::pair<const char*, std::function<void(DadosDanificados&)>> casos[] = {
      {"missing folder", [](DadosDanificados& t) { QDir(t.pasta()).removeRecursively(); }},
      {"no database", [](DadosDanificados& t) { QFile::remove(t.base()); }},
      {"empty database file", [](DadosDanificados& t) { t.escreve(QByteArray()); }},
      {"not a database", [](DadosDanificados& t) { t.escreve(QByteArray(4096, 'x')); }},
      {"cut in half", [](DadosDanificados& t) { t.escreve(t.conteudo().left(t.conteudo().size() / 2)); }},
      {"another format version", [](DadosDanificados& t) { t.altera("UPDATE info SET valor = '99' WHERE nome = 'formato'"); }},
      {"no index of keys", [](DadosDanificados& t) { t.altera("DELETE FROM indice WHERE nome = 'chaves'"); }},
      {"keys of another length", [](DadosDanificados& t) { t.altera("UPDATE indice SET dados = x'610a' WHERE nome = 'chaves'"); }},
      {"keys out of order", [](DadosDanificados& t) {
         t.altera("UPDATE indice SET dados = CAST(replace(CAST(dados AS TEXT), 'zebra', 'aaaaa') AS BLOB) WHERE nome = 'chaves'");
       }},
      {"classes cut short", [](DadosDanificados& t) { t.altera("UPDATE indice SET dados = x'00' WHERE nome = 'classes'"); }},
      {"no entry table", [](DadosDanificados& t) { t.altera("DROP TABLE verbete"); }},
      {"no text index", [](DadosDanificados& t) { t.altera("DROP TABLE texto"); }},
      {"a folder where the database should be", [](DadosDanificados& t) {
         QFile::remove(t.base());
         QDir().mkdir(t.base());
       }},
  };
  for (const auto& [nome, estraga] : casos) {
    SetUp();
    estraga(*this);
    DLLMiniVocabraDB db(pasta());
    EXPECT_FALSE(db.AbreDados()) << nome;
  }
}

TEST_F(DadosDanificados, AfterAFailedOpeningEveryOperationGivesItsEmptyAnswer) {
  QDir(pasta()).removeRecursively();
  DLLMiniVocabraDB db(pasta());
  QString texto = QStringLiteral("x");
  QString buffer;
  std::int32_t inicio = 9;
  EXPECT_EQ(db.ObtemPosicaoPalavra(QStringLiteral("casa")), -1);  // opens first, and fails
  EXPECT_FALSE(db.AbreDados());
  EXPECT_EQ(db.PesquisaMascara(QStringLiteral("*"), buffer, 0), 0);
  EXPECT_EQ(db.PesquisaMascara(QStringLiteral("c*"), buffer, 1), 0);
  EXPECT_EQ(db.PesquisaFlexivel(QStringLiteral("casa"), 0, buffer), 0);
  EXPECT_EQ(db.PesquisaReversa(QStringLiteral("*"), buffer, 0, 0, inicio), 0);
  EXPECT_EQ(inicio, 0);
  db.DefineFiltro(0, 0);
  db.DefineFiltro(3, 19);
  db.DefineFiltro(1, 0);
  EXPECT_EQ(db.ObtemTotalResultados(), 0);
  EXPECT_EQ(db.ObtemPagina(1, 0, texto), -1);
  EXPECT_EQ(texto, QString());
  EXPECT_EQ(db.ObtemFormas(QStringLiteral("casa"), texto), -1);
  EXPECT_EQ(db.ObtemVerbete(0, texto, modMain::ChaveVerbete(0)), QString());
  EXPECT_EQ(texto, QString());
  EXPECT_FALSE(db.TemConjugacao(2));
  EXPECT_EQ(db.ObtemConjugacao(QStringLiteral("agir")), QString());
  EXPECT_EQ(db.ExpandeAbreviatura(QStringLiteral("lat.")), QString());
  EXPECT_EQ(db.ObtemInfoDados(), QString());
}

TEST_F(DadosDanificados, AFolderThatReturnsCanBeOpenedAgain) {
  const QString aparte = raiz_.path() + QStringLiteral("/aparte");
  ASSERT_TRUE(QDir().rename(pasta(), aparte));
  DLLMiniVocabraDB db(pasta());
  EXPECT_FALSE(db.AbreDados());
  ASSERT_TRUE(QDir().rename(aparte, pasta()));
  EXPECT_TRUE(db.AbreDados());
  EXPECT_EQ(db.ObtemPosicaoPalavra(QStringLiteral("zebra")), 11);
}

TEST_F(DadosDanificados, ADamagedEntryTextGivesAnEmptyEntry) {
  altera("UPDATE verbete SET texto = x'0102030405' WHERE id = 6; DELETE FROM verbete WHERE id = 7");
  DLLMiniVocabraDB db(pasta());
  ASSERT_TRUE(db.AbreDados());
  QString html = QStringLiteral("x");
  for (const int id : {6, 7}) {
    EXPECT_EQ(db.ObtemVerbete(id, html, modMain::ChaveVerbete(id)), id == 6 ? QStringLiteral("casa") : QStringLiteral("casamento"));
    EXPECT_EQ(html, QString()) << id;
  }
  EXPECT_EQ(db.ObtemVerbete(8, html, modMain::ChaveVerbete(8)), QStringLiteral("manga") + QChar(160) + u'1');
  EXPECT_FALSE(html.isEmpty());
}

}  // namespace
