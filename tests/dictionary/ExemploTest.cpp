// The sample dictionary that the default build makes, through the call
// orders the word lists and the entry display use.

#include "Ansi.h"
#include "DLLMiniVocabraDB.h"
#include "DadosDeTeste.h"
#include "NormalizaPalavra.h"
#include "Regedit4Parser.h"
#include "StoredText.h"
#include "TabelaChaves.h"
#include "ValidaConjugacao.h"

#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

namespace {

std::int32_t numero(const QByteArray& bytes, int posicao) {
  std::uint32_t n = 0;
  for (int i = 0; i < 4; ++i) n |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[posicao + i])) << (8 * i);
  return static_cast<std::int32_t>(n);
}

class Exemplo : public ::testing::Test {
 protected:
  void SetUp() override {
    modMain::InicializaChaves();
    ASSERT_TRUE(db_.AbreDados());
  }

  // Pages of a list as the word lists read them, until -1.
  QList<std::pair<QString, int>> le(std::int16_t modo, std::int32_t inicio) {
    QList<std::pair<QString, int>> linhas;
    QString pagina;
    do {
      inicio = db_.ObtemPagina(modo, inicio, pagina);
      const QStringList itens = pagina.split(u'|');
      for (qsizetype i = 0; i + 1 < itens.size(); i += 2) linhas.append({itens[i], itens[i + 1].toInt()});
    } while (inicio != -1);
    return linhas;
  }

  DLLMiniVocabraDB db_{dadosteste::pastaExemplo()};
  QString buffer_;
};

TEST_F(Exemplo, TheHeaderCountsEntriesAbbreviationsAndVerbs) {
  QFile arquivo(dadosteste::pastaExemplo() + QStringLiteral("/dic030.dat"));
  ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
  const QByteArray cabecalho = arquivo.readAll();
  ASSERT_EQ(cabecalho.size(), 46);
  EXPECT_GE(numero(cabecalho, 4), 400);
  EXPECT_GE(numero(cabecalho, 8), 20);
  EXPECT_GE(numero(cabecalho, 12), 40);
  EXPECT_EQ(ansi::toUnicode(cabecalho.mid(16, 15)).trimmed(), QStringLiteral("1.0"));
  EXPECT_EQ(db_.ObtemInfoDados().split(u'|').value(1), QString::fromUtf8("Corvanta Edições"));
}

TEST_F(Exemplo, TheMachineHivePointsTheProgramAtIt) {
  QFile arquivo(QStringLiteral(MINIVOCABRA_MACHINE_HIVE));
  ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
  QHash<QByteArray, QByteArray> valores;  // "key\\name" -> text without its NUL
  reg::regedit4::Sink sink;
  sink.key = [](const QByteArray&) {};
  sink.value = [&](const QByteArray& chave, reg::RegistryValue v) {
    valores.insert(chave + '\\' + v.name, v.data.left(v.data.size() - 1));
  };
  reg::regedit4::ParseError erro;
  ASSERT_TRUE(reg::regedit4::parse(arquivo.readAll(), "HKEY_LOCAL_MACHINE", sink, &erro)) << "line " << erro.line;
  const QByteArray chave = "SOFTWARE\\Corvanta\\MiniVocabra\\";
  EXPECT_EQ(valores.size(), 2);
  EXPECT_EQ(storedtext::decode(valores.value(chave + "DirInstalado")), dadosteste::pastaExemplo());
  EXPECT_EQ(valores.value(chave + "Instalacao"), QByteArray("1"));
}

TEST_F(Exemplo, EveryLetterListsConsecutiveIdsFromItsBase) {
  int vistos = 0;
  for (char letra = 'a'; letra <= 'z'; ++letra) {
    const QString l(QChar::fromLatin1(letra));
    db_.DefineTamanhoPagina(300);
    const std::int32_t base = db_.ObtemPosicaoPalavra(l);
    const std::int32_t quantos = db_.PesquisaMascara(l + u'*', buffer_, 1);
    ASSERT_GE(base, 0) << letra;
    ASSERT_GE(quantos, 1) << letra;
    const auto linhas = le(1, 0);
    ASSERT_EQ(linhas.size(), quantos) << letra;
    for (int i = 0; i < quantos; ++i) {
      EXPECT_EQ(linhas[i].second, base + i);
      EXPECT_TRUE(modMain::NormalizaPalavra(modMain::CortaEmNbsp(linhas[i].first)).startsWith(l)) << linhas[i].first.toStdString();
    }
    EXPECT_EQ(base, vistos) << letra;  // the letters cover the whole list, in order
    vistos += quantos;
  }
  EXPECT_GE(vistos, 400);
}

TEST_F(Exemplo, AWordListQueryWithFiltersPagesTheFilteredSet) {
  const int valores[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 13, 14, 15};
  for (const int codigo : valores) {
    std::int32_t inicio = 0;
    db_.DefineTamanhoPagina(300);
    db_.PesquisaReversa(QStringLiteral("*"), buffer_, 0, 0, inicio);
    db_.DefineFiltro(0, 0);
    db_.DefineFiltro(3, static_cast<std::int16_t>(codigo + 8));
    db_.DefineFiltro(1, 0);
    const std::int32_t total = db_.ObtemTotalResultados();
    EXPECT_GE(total, 1) << "no entry of class " << codigo;
    EXPECT_EQ(le(0, inicio).size(), total);
  }
  std::int32_t inicio = 0;
  db_.PesquisaReversa(QStringLiteral("*"), buffer_, 0, 0, inicio);
  db_.DefineFiltro(0, 0);
  db_.DefineFiltro(3, 13 + 8);
  db_.DefineFiltro(1, 0);
  for (const auto& [palavra, id] : le(0, 0)) EXPECT_TRUE(db_.TemConjugacao(id)) << palavra.toStdString();
}

TEST_F(Exemplo, EveryEntryReadsWithItsKeyAndItsVerbsConjugate) {
  const std::int32_t total = db_.PesquisaMascara(QStringLiteral("*"), buffer_, 0);
  int verbos = 0;
  QSet<QString> titulos;
  for (std::int32_t id = 0; id < total; ++id) {
    QString html;
    const QString titulo = db_.ObtemVerbete(id, html, modMain::ChaveVerbete(id));
    titulos.insert(titulo);
    EXPECT_TRUE(html.startsWith(QStringLiteral("<span id=\"D_TIT\">"))) << titulo.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("<span id=\"D_DEF\">")) || html.contains(QStringLiteral("D_LOC"))) << titulo.toStdString();
    if (!db_.TemConjugacao(id)) continue;
    ++verbos;
    const QString conj = db_.ObtemConjugacao(titulo);
    EXPECT_EQ(dicionario::problemaDaConjugacao(modMain::CortaEmNbsp(titulo), conj), QString()) << titulo.toStdString();
    EXPECT_GE(conj.split(u';').size(), 66) << titulo.toStdString();
  }
  EXPECT_EQ(titulos.size(), total);
  EXPECT_GE(verbos, 40);
  EXPECT_TRUE(titulos.contains(QStringLiteral("manga") + QChar(160) + u'2'));
}

TEST_F(Exemplo, AnEntryThenItsConjugation) {
  struct Caso {
    const char* verbo;
    const char* inicio;
  };
  const Caso casos[] = {{"ser", "ser\xC2\xA0sou;és;é;"}, {"agir", "g|ir\xC2\xA0j|o;g|es;"},
                        {"pôr", "pôr\xC2\xA0ponho;"}, {"chover", "er\xC2\xA0/;/;e;"}};
  for (const Caso& c : casos) {
    const std::int32_t id = db_.ObtemPosicaoPalavra(QString::fromUtf8(c.verbo));
    QString html;
    const QString titulo = db_.ObtemVerbete(id, html, modMain::ChaveVerbete(id));
    EXPECT_EQ(titulo, QString::fromUtf8(c.verbo));
    ASSERT_TRUE(db_.TemConjugacao(id)) << c.verbo;
    EXPECT_TRUE(db_.ObtemConjugacao(titulo).startsWith(QString::fromUtf8(c.inicio))) << c.verbo;
  }
}

TEST_F(Exemplo, FlexibleSearchesFindFormsAndHomographs) {
  const std::pair<const char*, int> casos[] = {{"fui", 2}, {"manga", 2}, {"canto", 3}, {"mangas", 2}, {"cães", 1}};
  for (const auto& [palavra, quantos] : casos) {
    EXPECT_EQ(db_.PesquisaFlexivel(QString::fromUtf8(palavra), 0, buffer_), quantos) << palavra;
  }
  EXPECT_EQ(db_.ExpandeAbreviatura(QStringLiteral("v.")), QStringLiteral("verbo|veja|"));
}

}  // namespace
