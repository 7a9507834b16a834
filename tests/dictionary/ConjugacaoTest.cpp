#include "FormasConjugacao.h"
#include "ValidaConjugacao.h"

#include <gtest/gtest.h>

namespace {

QString dados(const char* regra, const char* formas) {
  return QString::fromUtf8(regra) + QChar(160) + QString::fromUtf8(formas);
}

TEST(ValidaConjugacao, FormsFallIntoTensesAsTheTablesWalkThem) {
  const std::pair<int, int> casos[] = {{0, 1}, {5, 1}, {6, 2}, {53, 9}, {54, 10}, {58, 10},
                                       {59, 11}, {64, 11}, {65, 12}, {66, 13}, {71, 13}, {72, 14}};
  for (const auto& [indice, tempo] : casos) EXPECT_EQ(dicionario::tempoDaForma(indice), tempo) << indice;
}

TEST(ValidaConjugacao, SoundDataPasses) {
  EXPECT_EQ(dicionario::problemaDaConjugacao(QStringLiteral("amar"), dados("ar", "o;as;a")), QString());
  EXPECT_EQ(dicionario::problemaDaConjugacao(QStringLiteral("agir"), dados("g|ir", "j|o;g|es;/")), QString());
  EXPECT_EQ(dicionario::problemaDaConjugacao(QStringLiteral("ser"), dados("ser", "")), QString());
}

// Under a variation rule every shown form is R|F or "/": only a gerund or
// participle may be left empty (it leaves no row), so the program can always
// build the tables from data that passes.
TEST(ValidaConjugacao, UnderAVariationRuleOnlyNominalFormsMayBeEmpty) {
  const QStringList pessoais(65, QStringLiteral("g|e"));  // the 9 tenses, the imperative and the infinitive
  const QString todas = pessoais.join(u';');
  const struct {
    QString formas;
    bool sao;
  } casos[] = {
      {QStringLiteral(";g|es"), false},
      {QStringLiteral("j|o;;g|e"), false},
      {pessoais.mid(1).join(u';') + u';', false},         // the last personal form empty
      {todas + QStringLiteral(";;g|ido"), true},          // no gerund
      {todas + QStringLiteral(";g|indo;g|ido;;"), true},  // fewer participles
      {QString(), true},                                  // no forms at all
  };
  for (const auto& c : casos) {
    const QString d = QStringLiteral("g|ir") + QChar(160) + c.formas;
    EXPECT_EQ(dicionario::problemaDaConjugacao(QStringLiteral("agir"), d).isEmpty(), c.sao) << c.formas.toStdString();
  }
}

// A character 0 in a rule would seem to occur at the end of any verb.
TEST(ValidaConjugacao, ARuleWithACharacterZeroIsRefused) {
  const QChar zero(0);
  const QString regras[] = {QStringLiteral("g|") + zero, zero + QStringLiteral("|ir"), QStringLiteral("i") + zero};
  for (const QString& regra : regras) {
    EXPECT_NE(dicionario::problemaDaConjugacao(QStringLiteral("agir"), regra + QChar(160) + QStringLiteral("/")), QString())
        << regra.toStdString();
  }
}

TEST(FormasConjugacao, PlainAndVariationRulesGiveTheShownForms) {
  EXPECT_EQ(dicionario::formasDaConjugacao(QStringLiteral("amar"), dados("ar", "o;as;/;;o")),
            (QStringList{QStringLiteral("amo"), QStringLiteral("amas")}));
  EXPECT_EQ(dicionario::formasDaConjugacao(QStringLiteral("agir"), dados("g|ir", "j|o;g|es;/;g|/")),
            (QStringList{QStringLiteral("ajo"), QStringLiteral("ages")}));
  EXPECT_EQ(dicionario::formasDaConjugacao(QStringLiteral("ir"), dados("ir", "vou;vais")),
            (QStringList{QStringLiteral("vou"), QStringLiteral("vais")}));
  EXPECT_EQ(dicionario::formasDaConjugacao(QString::fromUtf8("começar"), dados("ç|ar", "c|ei;ç|ou")),
            (QStringList{QString::fromUtf8("comecei"), QString::fromUtf8("começou")}));
}

}  // namespace
