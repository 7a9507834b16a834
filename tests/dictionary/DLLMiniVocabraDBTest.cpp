// The component's operations on a small dictionary whose ids are known.

#include "DLLMiniVocabraDB.h"
#include "DadosDeTeste.h"
#include "TabelaChaves.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QChar kNbsp(160);

class DLLMiniVocabraDBTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    pasta_ = std::make_unique<QTemporaryDir>();
    dadosteste::constroi(QString::fromUtf8(dadosteste::kFonte), pasta_->path() + QStringLiteral("/dados"));
    modMain::InicializaChaves();
  }
  static void TearDownTestSuite() { pasta_.reset(); }

  void SetUp() override { ASSERT_TRUE(db_.AbreDados()); }

  // The ids of the current result set, read page by page.
  QList<int> resultados() {
    QList<int> ids;
    QString pagina;
    std::int32_t inicio = 0;
    do {
      inicio = db_.ObtemPagina(0, inicio, pagina);
      const QStringList itens = pagina.split(u'|');
      for (qsizetype i = 1; i < itens.size(); i += 2) ids.append(itens[i].toInt());
    } while (inicio != -1);
    return ids;
  }

  int total(const char* padrao) {
    QString buffer;
    return db_.PesquisaMascara(QString::fromUtf8(padrao), buffer, 0);
  }

  QList<int> reversa(const char* texto) {
    QString buffer;
    std::int32_t inicio = 0;
    db_.PesquisaReversa(QString::fromUtf8(texto), buffer, 0, 0, inicio);
    return resultados();
  }

  static std::unique_ptr<QTemporaryDir> pasta_;
  DLLMiniVocabraDB db_{pasta_->path() + QStringLiteral("/dados")};
};

std::unique_ptr<QTemporaryDir> DLLMiniVocabraDBTest::pasta_;

TEST_F(DLLMiniVocabraDBTest, IdsAreAlphabeticalPositionsBySearchKeyThenHomographNumber) {
  db_.DefineTamanhoPagina(100);
  QString pagina;
  EXPECT_EQ(db_.ObtemPagina(1, 0, pagina), -1);
  EXPECT_EQ(pagina, QString::fromUtf8("Ñandu|0|ação|1|agir|2|amar|3|bonito|4|cantar|5|casa|6|casamento|7|"
                                      "manga\u00a01|8|manga\u00a02|9|pé-de-moleque|10|zebra|11|"));
}

TEST_F(DLLMiniVocabraDBTest, PositionIsTheFirstEntryWhoseKeyStartsWithTheText) {
  const std::pair<const char*, int> casos[] = {
      {"casa", 6}, {"CASA", 6}, {"cas", 6}, {"casam", 7}, {"manga", 8}, {"acao", 1}, {"Ação", 1},
      {"pe-de", 10}, {"ñ", 0}, {"x", -1}, {"zz", -1}, {"", -1}, {"--", -1},
  };
  for (const auto& [texto, id] : casos) EXPECT_EQ(db_.ObtemPosicaoPalavra(QString::fromUtf8(texto)), id) << texto;
}

TEST_F(DLLMiniVocabraDBTest, LetterListPagesTheLetterOnlyAndLeavesTheResultSetAlone) {
  total("*");
  db_.DefineTamanhoPagina(2);
  QString buffer;
  QString pagina;
  EXPECT_EQ(db_.ObtemPosicaoPalavra(QStringLiteral("c")), 5);
  EXPECT_EQ(db_.PesquisaMascara(QStringLiteral("c*"), buffer, 1), 3);
  EXPECT_EQ(db_.ObtemPagina(1, 0, pagina), 7);  // a start below the letter reads from its first entry
  EXPECT_EQ(pagina, QStringLiteral("cantar|5|casa|6|"));
  EXPECT_EQ(db_.ObtemPagina(1, 7, pagina), -1);
  EXPECT_EQ(pagina, QStringLiteral("casamento|7|"));
  EXPECT_EQ(db_.ObtemPagina(1, 8, pagina), -1);
  EXPECT_EQ(pagina, QString());
  EXPECT_EQ(db_.ObtemTotalResultados(), 12);
  EXPECT_EQ(db_.PesquisaMascara(QStringLiteral("y*"), buffer, 1), 0);
  EXPECT_EQ(db_.ObtemPagina(1, 0, pagina), -1);
  EXPECT_EQ(pagina, QString());
  // A letter that folds to nothing has no position and no entries.
  EXPECT_EQ(db_.ObtemPosicaoPalavra(QStringLiteral("-")), -1);
  EXPECT_EQ(db_.PesquisaMascara(QStringLiteral("-*"), buffer, 1), 0);
  EXPECT_EQ(db_.ObtemPagina(1, 0, pagina), -1);
  EXPECT_EQ(pagina, QString());
  EXPECT_EQ(db_.ObtemTotalResultados(), 12);
}

TEST_F(DLLMiniVocabraDBTest, MaskMatchesSearchKeysAndMakesTheResultSet) {
  const std::pair<const char*, QList<int>> casos[] = {
      {"ca*", {5, 6, 7}}, {"*a", {6, 8, 9, 11}}, {"*ção", {1}}, {"a*r", {2, 3}}, {"c*a", {6}},
      {"ca*to", {7}}, {"m*a*a", {8, 9}}, {"casa", {6}}, {"CASA", {6}}, {"pé-de*", {10}}, {"", {}}, {"--", {}},
  };
  for (const auto& [padrao, ids] : casos) {
    EXPECT_EQ(total(padrao), ids.size()) << padrao;
    EXPECT_EQ(db_.ObtemTotalResultados(), ids.size()) << padrao;
    EXPECT_EQ(resultados(), ids) << padrao;
  }
  EXPECT_EQ(total("*"), 12);
  EXPECT_EQ(total("**"), 12);
}

TEST_F(DLLMiniVocabraDBTest, ResultPagesHaveThePageSizeAndEndWithMinusOne) {
  total("a*");  // ação, agir, amar
  db_.DefineTamanhoPagina(2);
  QString pagina;
  EXPECT_EQ(db_.ObtemPagina(0, 0, pagina), 2);
  EXPECT_EQ(pagina, QString::fromUtf8("ação|1|agir|2|"));
  EXPECT_EQ(db_.ObtemPagina(0, 2, pagina), -1);
  EXPECT_EQ(pagina, QStringLiteral("amar|3|"));
  EXPECT_EQ(db_.ObtemPagina(0, 3, pagina), -1);
  EXPECT_EQ(pagina, QString());
  EXPECT_EQ(db_.ObtemPagina(0, -5, pagina), 2);  // a negative start is the first page
  EXPECT_EQ(db_.ObtemPagina(7, 0, pagina), -1);
  EXPECT_EQ(pagina, QString());
  db_.DefineTamanhoPagina(0);  // ignored
  EXPECT_EQ(db_.ObtemPagina(0, 0, pagina), 2);
}

TEST_F(DLLMiniVocabraDBTest, FlexibleSearchFindsAllHomographsAndTheEntriesListingTheForm) {
  const std::pair<QString, QList<int>> casos[] = {
      {QStringLiteral("manga"), {8, 9}},
      {QStringLiteral("manga") + kNbsp + u'2', {8, 9}},
      {QStringLiteral("casas"), {6}},
      {QStringLiteral("Bonita"), {4}},
      {QString::fromUtf8("ação"), {1}},
      {QStringLiteral("ama"), {3}},    // a conjugated form of amar
      {QStringLiteral("canto"), {5}},  // cantar shares amar's conjugation
      {QString::fromUtf8("ajo"), {2}},  // agir's variation rule
      {QStringLiteral("xyz"), {}},
      {QStringLiteral("."), {}},
  };
  for (const auto& [palavra, ids] : casos) {
    QString buffer;
    EXPECT_EQ(db_.PesquisaFlexivel(palavra, 0, buffer), ids.size()) << palavra.toStdString();
    EXPECT_EQ(resultados(), ids) << palavra.toStdString();
  }
}

TEST_F(DLLMiniVocabraDBTest, FormsListTheOtherFormsOfTheEntriesTheWordNames) {
  QString lista;
  EXPECT_EQ(db_.ObtemFormas(QStringLiteral("casa"), lista), 2);
  EXPECT_EQ(lista, QStringLiteral("casas|6|casinha|6|"));
  EXPECT_EQ(db_.ObtemFormas(QStringLiteral("casas"), lista), 2);
  EXPECT_EQ(lista, QStringLiteral("casa|6|casinha|6|"));
  EXPECT_EQ(db_.ObtemFormas(QStringLiteral("amar"), lista), 6);
  EXPECT_TRUE(lista.startsWith(QStringLiteral("amo|3|amas|3|ama|3|")));
  EXPECT_EQ(db_.ObtemFormas(QStringLiteral("zebra"), lista), -1);
  EXPECT_EQ(lista, QString());
}

TEST_F(DLLMiniVocabraDBTest, ReverseSearchFindsWholeWordsOfTheText) {
  const std::pair<const char*, QList<int>> casos[] = {
      {"amor", {3}}, {"AMOR", {3}}, {"acao", {2}}, {"casa", {6}},  // the etymology counts, the headword not
      {"casa +ferreiro", {6}}, {"casa ferreiro", {6}}, {"doce", {8, 10}}, {"doce +amendoim", {10}},
      {"doce +ferreiro", {}}, {"+amor", {3}}, {"casamento", {}}, {"amo", {}},
      {"amar*", {8}}, {"*ção", {1, 2, 6}}, {"a*o", {1, 2}}, {"pra*", {2}}, {"doce +p*", {8}},
      {"*", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}}, {"*  +*", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {".", {}}, {"", {}},
  };
  for (const auto& [texto, ids] : casos) EXPECT_EQ(reversa(texto), ids) << texto;
}

TEST_F(DLLMiniVocabraDBTest, ReverseSearchGivesStartZero) {
  QString buffer;
  std::int32_t inicio = 5;
  EXPECT_EQ(db_.PesquisaReversa(QStringLiteral("amor"), buffer, 0, 0, inicio), 1);
  EXPECT_EQ(inicio, 0);
}

TEST_F(DLLMiniVocabraDBTest, FiltersNarrowTheResultSetOnce) {
  // Values are the filter codes plus 8: 11 noun, 13 verb, 14 slang, 1 adjective.
  using Passos = std::vector<std::pair<int, int>>;
  const std::pair<Passos, QList<int>> casos[] = {
      {{{0, 0}, {3, 19}, {1, 0}}, {0, 1, 6, 7, 8, 9, 10, 11}},
      {{{0, 0}, {3, 21}, {3, 9}, {1, 0}}, {2, 3, 4, 5}},
      {{{0, 0}, {3, 19}, {2, 22}, {1, 0}}, {10}},
      {{{0, 0}, {2, 22}, {1, 0}}, {10}},  // an intersection as the first step narrows the whole set
      {{{0, 0}, {3, 21}, {2, 9}, {1, 0}}, {}},
      {{{0, 0}, {1, 0}}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {{{0, 0}, {3, 16}, {1, 0}}, {}},  // value 16 (code 8) names no class
      {{{0, 0}, {3, 19}, {9, 0}, {1, 0}}, {0, 1, 6, 7, 8, 9, 10, 11}},
  };
  for (const auto& [passos, ids] : casos) {
    total("*");
    for (const auto& [op, valor] : passos) db_.DefineFiltro(static_cast<std::int16_t>(op), static_cast<std::int16_t>(valor));
    EXPECT_EQ(db_.ObtemTotalResultados(), ids.size());
    EXPECT_EQ(resultados(), ids);
  }
  EXPECT_EQ(total("*"), 12);  // the next search is not filtered
  EXPECT_EQ(db_.ObtemTotalResultados(), 12);
}

TEST_F(DLLMiniVocabraDBTest, EntryHtmlNeedsTheEntrysKey) {
  QString html;
  EXPECT_EQ(db_.ObtemVerbete(9, html, modMain::ChaveVerbete(9)), QStringLiteral("manga") + kNbsp + u'2');
  EXPECT_EQ(html, QString::fromUtf8(
                      "<span id=\"D_TIT\">manga</span><span id=\"D_SUP_TIT\">2</span><BR>"
                      "<span id=\"D_N_CG\"><a href=\"goto://s.f.\">s.f.</a></span><BR>"
                      "<span id=\"D_DEF\"><a href=\"goto://Parte\">Parte</a> <a href=\"goto://da\">da</a> "
                      "<a href=\"goto://roupa\">roupa</a> <a href=\"goto://que\">que</a> "
                      "<a href=\"goto://cobre\">cobre</a> <a href=\"goto://o\">o</a> "
                      "<a href=\"goto://braço\">braço</a>.</span>"));
  const std::int32_t errada[] = {0, modMain::ChaveVerbete(9) + 1, -modMain::ChaveVerbete(9), 123456};
  for (const std::int32_t chave : errada) {
    EXPECT_EQ(db_.ObtemVerbete(9, html, chave), QStringLiteral("manga") + kNbsp + u'2') << chave;
    EXPECT_EQ(html, QString()) << chave;
  }
  for (const std::int32_t id : {-1, 12, 1 << 30}) {
    EXPECT_EQ(db_.ObtemVerbete(id, html, modMain::ChaveVerbete(id)), QString()) << id;
    EXPECT_EQ(html, QString());
  }
}

TEST_F(DLLMiniVocabraDBTest, EntryHtmlHasOneSpanPerElement) {
  QString html;
  EXPECT_EQ(db_.ObtemVerbete(6, html, modMain::ChaveVerbete(6)), QStringLiteral("casa"));
  const char* partes[] = {
      "<span id=\"D_TIT\">casa</span> <span id=\"D_ETM\"><a href=\"goto://do\">do</a> "
      "<a href=\"goto://lat.\">lat.</a> <a href=\"goto://casa\">casa</a></span><BR>",
      "<BR><span id=\"D_N_DEF\">1.</span> <span id=\"D_DEF\"><a href=\"goto://Construção\">Construção</a>",
      "<BR><span id=\"D_N_DEF\">2.</span> <span id=\"D_RUB\"><a href=\"goto://Fig\">Fig</a>.</span> <span id=\"D_DEF\">",
      "<BR><span id=\"D_TIT_LOC\"><a href=\"goto://casa\">casa</a> <a href=\"goto://de\">de</a> "
      "<a href=\"goto://ferreiro\">ferreiro</a></span> <span id=\"D_LOC\">",
      "<BR><span id=\"D_ACH\"><a href=\"goto://Palavra\">Palavra</a>",
  };
  for (const char* parte : partes) EXPECT_TRUE(html.contains(QString::fromUtf8(parte))) << parte << "\n" << html.toStdString();
  EXPECT_FALSE(html.contains(QStringLiteral("D_SUP_TIT")));
}

TEST_F(DLLMiniVocabraDBTest, ConjugationOfTheEntryThatHasIt) {
  EXPECT_TRUE(db_.TemConjugacao(2));
  EXPECT_TRUE(db_.TemConjugacao(5));
  for (const int id : {6, -1, 12}) EXPECT_FALSE(db_.TemConjugacao(id)) << id;
  const QString amar = QStringLiteral("ar") + kNbsp + QStringLiteral("o;as;a;amos;ais;am");
  EXPECT_EQ(db_.ObtemConjugacao(QStringLiteral("amar")), amar);
  EXPECT_EQ(db_.ObtemConjugacao(QStringLiteral("cantar")), amar);
  EXPECT_EQ(db_.ObtemConjugacao(QStringLiteral("AGIR")),
            QStringLiteral("g|ir") + kNbsp + QStringLiteral("j|o;g|es;g|e;g|imos;g|is;g|em"));
  EXPECT_EQ(db_.ObtemConjugacao(QStringLiteral("casa")), QString());
  EXPECT_EQ(db_.ObtemConjugacao(QString()), QString());
}

TEST_F(DLLMiniVocabraDBTest, AbbreviationMeaningsEndWithAHiddenCharacter) {
  const std::pair<const char*, const char*> casos[] = {
      {"lat.", "latim|"}, {"v.", "verbo|veja|"}, {" lat. ", "latim|"}, {"LAT.", "latim|"},
      {"lat", ""}, {"casa.", ""}, {"", ""},
  };
  for (const auto& [palavra, esperado] : casos) {
    EXPECT_EQ(db_.ExpandeAbreviatura(QString::fromUtf8(palavra)), QString::fromUtf8(esperado)) << palavra;
  }
}

TEST_F(DLLMiniVocabraDBTest, InfoGivesTheVersionTextAndTheCompanyLabel) {
  EXPECT_EQ(db_.ObtemInfoDados(), QString::fromUtf8("Dicionário de teste|Testes Ltda."));
}

TEST_F(DLLMiniVocabraDBTest, OperationsBeforeAbreDadosOpenTheDataFirst) {
  DLLMiniVocabraDB novo(pasta_->path() + QStringLiteral("/dados"));
  EXPECT_EQ(novo.ObtemPosicaoPalavra(QStringLiteral("zebra")), 11);
}

TEST_F(DLLMiniVocabraDBTest, TheDataFolderMayBeAWindowsStylePath) {
  QString caminho = pasta_->path() + QStringLiteral("/dados");
  caminho.replace(u'/', u'\\');
  DLLMiniVocabraDB windows(caminho);
  EXPECT_TRUE(windows.AbreDados());
}

}  // namespace
