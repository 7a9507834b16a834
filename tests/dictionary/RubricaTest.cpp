// Rubrics in braces: at the start of a definition or of a phrase's meaning
// they become a part of their own, shown in the rubric's span.

#include "DLLMiniVocabraDB.h"
#include "DadosDeTeste.h"
#include "FonteDicionario.h"
#include "TabelaChaves.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using dicionario::Elemento;
using dicionario::Fonte;
using dicionario::LeitorFonte;

// The parts of the last line of the one entry that `texto` holds, as
// "<element letter>text" items.
QStringList partesDaUltimaLinha(const QString& texto, QString& erro) {
  Fonte fonte;
  LeitorFonte leitor;
  if (!leitor.leTexto(QStringLiteral("f.txt"), texto, fonte)) {
    erro = leitor.erro().mensagem();
    return {};
  }
  QStringList partes;
  for (const auto& parte : fonte.verbetes.at(0).conteudo.linhas.back())
    partes << QChar::fromLatin1(static_cast<char>(parte.elemento)) + parte.texto;
  return partes;
}

TEST(Rubrica, APhrasesMeaningMayStartWithARubric) {
  const std::pair<const char*, QStringList> casos[] = {
      {"locucao: banco de dados = {Inform.} Conjunto de informações.",
       {QStringLiteral("Tbanco de dados"), QStringLiteral("UInform."), QString::fromUtf8("LConjunto de informações.")}},
      {"locucao: boca de siri =   { Pop. }   Silêncio.",
       {QStringLiteral("Tboca de siri"), QStringLiteral("UPop."), QString::fromUtf8("LSilêncio.")}},
      {"locucao: pão-duro = Pessoa {avarenta}.",
       {QString::fromUtf8("Tpão-duro"), QStringLiteral("LPessoa {avarenta}.")}},
      {"achega: {Pop.} Uso antigo.", {QStringLiteral("A{Pop.} Uso antigo.")}},
  };
  for (const auto& [linha, esperado] : casos) {
    QString erro;
    EXPECT_EQ(partesDaUltimaLinha(QStringLiteral("verbete: x\n") + QString::fromUtf8(linha), erro), esperado)
        << linha << " " << erro.toStdString();
  }
}

TEST(Rubrica, AMisplacedOrMalformedRubricInAPhraseStopsTheBuilder) {
  const std::pair<const char*, const char*> casos[] = {
      {"locucao: {Pop.} pão-duro = Pessoa avarenta.", "at the start of its meaning"},
      {"locucao: pão-duro = {Pop. Pessoa avarenta.", "not closed"},
      {"locucao: pão-duro = {} Pessoa avarenta.", "an empty rubric"},
      {"locucao: pão-duro = {Pop.}", "a rubric but no meaning"},
  };
  for (const auto& [linha, motivo] : casos) {
    QString erro;
    partesDaUltimaLinha(QStringLiteral("verbete: x\n") + QString::fromUtf8(linha), erro);
    EXPECT_EQ(erro.left(8), QStringLiteral("f.txt:2:")) << linha;
    EXPECT_TRUE(erro.contains(QString::fromUtf8(motivo))) << erro.toStdString();
  }
}

// The entry's HTML from a data folder: the rubric's span between the phrase
// and its meaning, and no brace left.
TEST(Rubrica, ABuiltPhraseShowsItsRubricInTheRubricsSpan) {
  QTemporaryDir pasta;
  ASSERT_NO_FATAL_FAILURE(dadosteste::constroi(
      QStringLiteral("dicionario: Teste\nempresa: E\nversao: 1\ncodigo: c\n\n"
                     "verbete: banco\nclasse: s.m.\nlocucao: banco de dados = {Inform.} Conjunto de dados.\n"),
      pasta.path()));
  modMain::InicializaChaves();
  DLLMiniVocabraDB db(pasta.path());
  ASSERT_TRUE(db.AbreDados());
  QString html;
  db.ObtemVerbete(0, html, modMain::ChaveVerbete(0));
  EXPECT_FALSE(html.contains(u'{')) << html.toStdString();
  static const QRegularExpression ordem(
      QStringLiteral("<span id=\"D_TIT_LOC\">.*</span> <span id=\"D_RUB\">.*Inform.*</span> <span id=\"D_LOC\">"));
  EXPECT_TRUE(ordem.match(html).hasMatch()) << html.toStdString();
}

// The sample marks rubrics in phrases of "banco", "boca" and "pão" (among
// others): no entry of it shows a brace.
TEST(Rubrica, NoEntryOfTheSampleShowsABrace) {
  modMain::InicializaChaves();
  DLLMiniVocabraDB db(dadosteste::pastaExemplo());
  ASSERT_TRUE(db.AbreDados());
  QString buffer;
  const std::int32_t total = db.PesquisaMascara(QStringLiteral("*"), buffer, 0);
  ASSERT_GT(total, 0);
  for (std::int32_t id = 0; id < total; ++id) {
    QString html;
    const QString titulo = db.ObtemVerbete(id, html, modMain::ChaveVerbete(id));
    EXPECT_FALSE(html.contains(u'{') || html.contains(u'}')) << titulo.toStdString();
  }
  for (const char* palavra : {"banco", "boca", "pão"}) {
    const std::int32_t id = db.ObtemPosicaoPalavra(QString::fromUtf8(palavra));
    QString html;
    db.ObtemVerbete(id, html, modMain::ChaveVerbete(id));
    const qsizetype locucao = html.indexOf(QStringLiteral("<span id=\"D_TIT_LOC\">"));
    ASSERT_GE(locucao, 0) << palavra;
    EXPECT_GT(html.indexOf(QStringLiteral("<span id=\"D_RUB\">"), locucao), locucao) << palavra;
  }
}

}  // namespace
