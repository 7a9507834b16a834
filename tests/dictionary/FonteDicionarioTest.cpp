// Reading dictionary sources: what a record becomes, and where and why a
// malformed one stops the builder.

#include "FonteDicionario.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using dicionario::Elemento;
using dicionario::Fonte;
using dicionario::LeitorFonte;

QString repete(const char* forma, int vezes) {
  QStringList formas;
  for (int i = 0; i < vezes; ++i) formas.append(QString::fromUtf8(forma));
  return formas.join(u';');
}

TEST(FonteDicionario, AnEntryRecordBecomesLinesOfParts) {
  const char* texto =
      "# comentário\n"
      "verbete: manga\n"
      "homografo: 2\n"
      "classe: s.f.\n"
      "def: {Bot.}  Fruto doce.\n"
      "def: Parte da roupa.\n"
      "etimologia: do lat. manica\n"
      "locucao: arregaçar as mangas = Trabalhar.\n"
      "filtros: giria, estrang\n"
      "formas: mangas ; manguinha\n";
  Fonte fonte;
  LeitorFonte leitor;
  ASSERT_TRUE(leitor.leTexto(QStringLiteral("f.txt"), QString::fromUtf8(texto), fonte)) << leitor.erro().mensagem().toStdString();
  ASSERT_EQ(fonte.verbetes.size(), 1u);
  const auto& v = fonte.verbetes[0];
  EXPECT_EQ(v.titulo(), QStringLiteral("manga") + QChar(160) + u'2');
  EXPECT_EQ(v.linha, 2);
  EXPECT_EQ(v.classes, (1u << 11) | (1u << 14) | (1u << 15));
  EXPECT_EQ(v.formas, (QStringList{QStringLiteral("mangas"), QStringLiteral("manguinha")}));
  const auto& l = v.conteudo.linhas;
  ASSERT_EQ(l.size(), 5u);
  ASSERT_EQ(l[0].size(), 1u);
  EXPECT_EQ(l[0][0].elemento, Elemento::Etimologia);
  EXPECT_EQ(l[1][0].elemento, Elemento::Classe);
  ASSERT_EQ(l[2].size(), 3u);
  EXPECT_EQ(l[2][0].texto, QStringLiteral("1."));
  EXPECT_EQ(l[2][1].elemento, Elemento::Rubrica);
  EXPECT_EQ(l[2][1].texto, QStringLiteral("Bot."));
  EXPECT_EQ(l[2][2].texto, QStringLiteral("Fruto doce."));
  EXPECT_EQ(l[3][0].texto, QStringLiteral("2."));
  ASSERT_EQ(l[4].size(), 2u);
  EXPECT_EQ(l[4][0].elemento, Elemento::TituloLocucao);
  EXPECT_EQ(l[4][1].texto, QStringLiteral("Trabalhar."));
}

TEST(FonteDicionario, ASingleDefinitionIsNotNumbered) {
  Fonte fonte;
  LeitorFonte leitor;
  ASSERT_TRUE(leitor.leTexto(QStringLiteral("f.txt"), QStringLiteral("verbete: sol\r\ndef: Astro.\r\n"), fonte));
  ASSERT_EQ(fonte.verbetes[0].conteudo.linhas.size(), 2u);
  EXPECT_EQ(fonte.verbetes[0].conteudo.linhas[1].size(), 1u);
}

TEST(FonteDicionario, AMalformedRecordStopsWithFileLineAndReason) {
  const std::tuple<QString, int, const char*> casos[] = {
      {QStringLiteral("verbete: casa\nfoo"), 2, "expected 'field: value'"},
      {QStringLiteral("verbete: casa\nclasse:"), 2, "has no value"},
      {QStringLiteral("verbete: casa\ndef: x\ncor: azul"), 3, "unknown field 'cor'"},
      {QStringLiteral("verbete: casa\nhomografo: zero\ndef: x"), 2, "homograph number"},
      {QStringLiteral("verbete: a|b\ndef: x"), 1, "may not hold '|'"},
      {QStringLiteral("verbete: manga\u01782\ndef: x"), 1, "characters 159 and 160"},  // 159 of the ANSI page
      {QStringLiteral("verbete: --\ndef: x"), 1, "no letters"},
      {QStringLiteral("verbete: casa\nclasse: s.f."), 1, "no definition, phrase or addendum"},
      {QStringLiteral("verbete: casa\ndef: {Fig. sem fim"), 2, "not closed"},
      {QStringLiteral("verbete: casa\nlocucao: sem sentido"), 2, "phrase = meaning"},
      {QStringLiteral("verbete: casa\ndef: x\nfiltros: substantivo"), 3, "unknown class 'substantivo'"},
      {QStringLiteral("verbete: casa\ndef: x\nformas: casas;;casinha"), 3, "empty form"},
      {QStringLiteral("verbete: casa\ndef: x\nverbete: outra"), 3, "second 'verbete'"},
      {QStringLiteral("verbete: amar\ndef: x\nconj: ar o;as"), 3, "'rule = forms'"},
      {QStringLiteral("verbete: amar\ndef: x\nconj: er = o;es"), 3, "does not occur"},
      {QStringLiteral("verbete: agir\ndef: x\nconj: x|ir = j|o"), 3, "varying letter 'x'"},
      {QStringLiteral("verbete: agir\ndef: x\nconj: g|ir = jo"), 3, "has no '|'"},
      {QStringLiteral("verbete: amar\ndef: x\nconj: ar = ") + repete("o", 73), 3, "at most 72"},
      {QStringLiteral("verbete: agir\ndef: x\nconj: g|ir = ") + repete("g|e", 65) + QStringLiteral(";/"), 3, "gerund or participle"},
      {QStringLiteral("abreviatura: lat\nsignificado: latim"), 1, "ending in '.'"},
      {QStringLiteral("abreviatura: lat."), 1, "no meaning"},
      {QStringLiteral("abreviatura: lat.\nsignificado: latim\n\nabreviatura: lat.\nsignificado: outro"), 4, "already an abbreviation"},
      {QStringLiteral("dicionario: x\nversao: 1234567890123456"), 2, "at most 15"},
      {QStringLiteral("dicionario: x\nversao: \u4e00"), 2, "outside Windows-1252"},
      {QStringLiteral("dicionario: x\n\n\ndicionario: y"), 4, "second 'dicionario'"},
      {QStringLiteral("# nota\nfoo: bar"), 2, "a record starts with"},
  };
  for (const auto& [texto, linha, motivo] : casos) {
    Fonte fonte;
    LeitorFonte leitor;
    EXPECT_FALSE(leitor.leTexto(QStringLiteral("fonte.txt"), texto, fonte)) << texto.toStdString();
    EXPECT_EQ(leitor.erro().arquivo, QStringLiteral("fonte.txt"));
    EXPECT_EQ(leitor.erro().linha, linha) << texto.toStdString();
    EXPECT_TRUE(leitor.erro().motivo.contains(QString::fromUtf8(motivo))) << leitor.erro().motivo.toStdString() << " / " << texto.toStdString();
  }
}

TEST(FonteDicionario, TheMessageNamesFileAndLine) {
  Fonte fonte;
  LeitorFonte leitor;
  EXPECT_FALSE(leitor.leTexto(QStringLiteral("dados/a.txt"), QStringLiteral("\n\nverbete: x\nfoo\n"), fonte));
  EXPECT_EQ(leitor.erro().mensagem(), QStringLiteral("dados/a.txt:4: expected 'field: value', found 'foo'"));
}

TEST(FonteDicionario, AMissingOrNonUtf8FileIsReported) {
  Fonte fonte;
  LeitorFonte leitor;
  EXPECT_FALSE(leitor.le(QStringLiteral("/nao/existe.txt"), fonte));
  EXPECT_TRUE(leitor.erro().mensagem().startsWith(QStringLiteral("/nao/existe.txt: cannot read")));
  QTemporaryDir pasta;
  const QString latin1 = pasta.path() + QStringLiteral("/latin1.txt");
  QFile arquivo(latin1);
  ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
  arquivo.write("verbete: a\xe7\xe3o\ndef: x\n");
  arquivo.close();
  EXPECT_FALSE(leitor.le(latin1, fonte));
  EXPECT_EQ(leitor.erro().mensagem(), latin1 + QStringLiteral(": the file is not UTF-8 text"));
}

}  // namespace
