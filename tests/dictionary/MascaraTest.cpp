#include "ListaTextos.h"
#include "Mascara.h"

#include <gtest/gtest.h>

namespace {

using dicionario::ListaTextos;
using dicionario::Mascara;

TEST(Mascara, StarMatchesAnyRunOfTheFoldedKey) {
  const std::tuple<const char*, const char*, bool> casos[] = {
      {"pre*", "preco", true},   {"pré*", "preco", true},  {"PRE*", "pre", true},   {"pre*", "apre", false},
      {"*ção", "acao", true},    {"*ção", "cao", true},    {"*ção", "acaos", false}, {"a*o", "ao", true},
      {"a*o", "a", false},       {"a*a", "a", false},      {"a*a", "aa", true},      {"a*b*c", "abc", true},
      {"a*b*c", "acb", false},   {"a*bb*b", "abbb", true}, {"a*bb*b", "abb", false}, {"*", "", true},
      {"**", "x", true},         {"casa", "casa", true},   {"casa", "casas", false}, {"", "", false},
      {"pé-de*", "pedemoleque", true}, {"*-*", "x", true},
  };
  for (const auto& [padrao, chave, casa] : casos) {
    EXPECT_EQ(Mascara(QString::fromUtf8(padrao)).casa(chave), casa) << padrao << " / " << chave;
  }
}

TEST(Mascara, SelectsFromAnOrderedListByItsFirstPiece) {
  ListaTextos lista;
  ASSERT_TRUE(lista.carrega("acao\nagir\namar\namar\ncasa\n"));
  EXPECT_EQ(Mascara(QStringLiteral("a*r")).seleciona(lista), (std::vector<qsizetype>{1, 2, 3}));
  EXPECT_EQ(Mascara(QStringLiteral("amar")).seleciona(lista), (std::vector<qsizetype>{2, 3}));
  EXPECT_EQ(Mascara(QStringLiteral("*a")).seleciona(lista), (std::vector<qsizetype>{4}));
  EXPECT_TRUE(Mascara(QStringLiteral("z*")).seleciona(lista).empty());
}

TEST(ListaTextos, EveryTextEndsWithALineFeed) {
  ListaTextos lista;
  EXPECT_TRUE(lista.carrega(QByteArray()));
  EXPECT_EQ(lista.tamanho(), 0);
  EXPECT_FALSE(lista.carrega("a\nb"));
  EXPECT_EQ(lista.tamanho(), 0);
  ASSERT_TRUE(lista.carrega("\nb\n"));
  EXPECT_EQ(lista.tamanho(), 2);
  EXPECT_EQ(lista.em(0), "");
  EXPECT_EQ(lista.textoEm(1), QStringLiteral("b"));
  EXPECT_EQ(lista.faixaComPrefixo(""), (std::pair<qsizetype, qsizetype>{0, 2}));
}

}  // namespace
