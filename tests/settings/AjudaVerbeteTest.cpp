#include "modCSS.h"

#include "DialogosFixture.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>

namespace {

using Regra = std::map<QString, QString>;

// The declarations of the first rule for `seletor` in `folha`, names and
// values lower-cased; empty when the sheet has no such rule.
Regra regra(const QString& folha, const QString& seletor) {
  const QRegularExpression padrao(u'(' + QRegularExpression::escape(seletor) + QStringLiteral(R"()\s*\{([^}]*)\})"));
  const QRegularExpressionMatch achado = padrao.match(folha);
  Regra declaracoes;
  if (!achado.hasMatch()) return declaracoes;
  for (const QString& declaracao : achado.captured(2).split(u';')) {
    const qsizetype doisPontos = declaracao.indexOf(u':');
    if (doisPontos < 0) continue;
    declaracoes[declaracao.left(doisPontos).trimmed().toLower()] = declaracao.mid(doisPontos + 1).trimmed().toLower();
  }
  return declaracoes;
}

// The help page on reading an entry, against the entry style sheet that
// the default appearance gives: what it says of the rubric and how it shows
// its examples.
class AjudaVerbete : public DialogosFixture {
 protected:
  AjudaVerbete() {
    modCSS::GeradorCSS gerador(config, dialogs);
    gerador.InicializaCSS();
    rubricaPadrao = regra(gerador.MontaCSS(0), QStringLiteral("#D_RUB"));
    const QString pagina = QString::fromUtf8(world.read(QStringLiteral("program/manual/verbete.htm")));
    const QRegularExpression paragrafo(QStringLiteral(R"(<p>((?:(?!</p>).)*<b>rubrica</b>(?:(?!</p>).)*)</p>)"),
                                       QRegularExpression::DotMatchesEverythingOption);
    htmlRubrica = paragrafo.match(pagina).captured(1);
    textoRubrica = QString(htmlRubrica).remove(QRegularExpression(QStringLiteral("<[^>]*>"))).simplified();
    estiloAjuda = QString::fromUtf8(world.read(QStringLiteral("program/css/ajuda.css")));
  }

  Regra rubricaPadrao;
  QString htmlRubrica;
  QString textoRubrica;
  QString estiloAjuda;
};

TEST_F(AjudaVerbete, TheRubricIsDescribedAsTheDefaultStyleShowsIt) {
  ASSERT_FALSE(rubricaPadrao.empty());
  ASSERT_FALSE(textoRubrica.isEmpty());
  const bool italico = rubricaPadrao["font-style"] == u"italic";
  const bool negrito = rubricaPadrao["font-weight"] == u"bold";
  EXPECT_EQ(textoRubrica.contains(QStringLiteral("itálic")), italico) << qPrintable(textoRubrica);
  EXPECT_EQ(textoRubrica.contains(QStringLiteral("negrit")), negrito) << qPrintable(textoRubrica);
  const std::map<QString, QString> nomesCores = {{QStringLiteral("#008000"), QStringLiteral("verde")}};
  const auto nome = nomesCores.find(rubricaPadrao["color"]);
  ASSERT_NE(nome, nomesCores.end()) << "no name for the colour " << qPrintable(rubricaPadrao["color"]);
  EXPECT_TRUE(textoRubrica.contains(nome->second)) << qPrintable(textoRubrica);
}

// The examples of rubrics look like a rubric of an entry in the default
// style: its colour, weight and slant.
TEST_F(AjudaVerbete, TheRubricExamplesShowTheDefaultStyle) {
  ASSERT_FALSE(rubricaPadrao.empty());
  EXPECT_TRUE(htmlRubrica.contains(QStringLiteral("<span class=\"rubrica\">"))) << qPrintable(htmlRubrica);
  if (rubricaPadrao["font-style"] != u"italic") {
    EXPECT_FALSE(htmlRubrica.contains(QStringLiteral("<i>"))) << qPrintable(htmlRubrica);
  }
  Regra exemplo = regra(estiloAjuda, QStringLiteral(".rubrica"));
  for (const char* propriedade : {"color", "font-weight", "font-style"}) {
    const QString nome = QString::fromLatin1(propriedade);
    EXPECT_EQ(exemplo[nome], rubricaPadrao[nome]) << propriedade;
  }
}

}  // namespace
