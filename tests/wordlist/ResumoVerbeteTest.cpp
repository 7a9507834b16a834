#include "ResumoVerbete.h"

#include <gtest/gtest.h>

namespace {

using namespace ResumoVerbete;

QString span(const char* nome, const QString& texto) { return MarcaSpan(QString::fromLatin1(nome)) + texto + "</span>"; }

TEST(ResumoVerbete, SpanContent) {
  const struct {
    QString html;
    QString esperado;
  } casos[] = {
      {span("D_DEF", "plain <b>bold</b>"), "plain <b>bold</b>"},
      {span("D_DEF", "a " + span("X", "inner") + " b"), "a  b"},
      {span("D_DEF", "a " + span("X", "x" + span("Y", "y") + "x") + " b"), "a  b"},
      {"<span id=\"D_DEF\">never closed", ""},
      {span("OTHER", "x"), ""},
  };
  for (const auto& caso : casos) EXPECT_EQ(ObtemConteudoSpan("D_DEF", caso.html), caso.esperado) << caso.html.toStdString();
}

TEST(ResumoVerbete, WhichSpanComesFirst) {
  const QString cg = span("D_N_CG", "s.f.");
  const QString reg = span("D_N_REG", "t.d.");
  EXPECT_EQ(ObtemSpan("D_N_CG", "D_N_REG", cg + reg), "D_N_CG");
  EXPECT_EQ(ObtemSpan("D_N_CG", "D_N_REG", reg + cg), "D_N_REG");
  EXPECT_EQ(ObtemSpan("D_N_CG", "D_N_REG", reg), "D_N_REG");
  EXPECT_EQ(ObtemSpan("D_N_CG", "D_N_REG", cg), "D_N_CG");
  EXPECT_EQ(ObtemSpan("D_N_CG", "D_N_REG", "nothing"), "");
}

TEST(ResumoVerbete, SummaryIsCutAt120WithDotsOnlyWhenThePartsAreLonger) {
  const QString definicao119(117, u'd');
  const QString exato = span("D_ETM", "e") + span("D_N_CG", "c") + span("D_DEF", definicao119);
  EXPECT_EQ(MontaResumo(exato), ("e c " + definicao119).left(120));  // 119 characters of parts
  const QString longo = span("D_ETM", "e") + span("D_N_CG", "c") + span("D_DEF", definicao119 + "xx");
  EXPECT_EQ(MontaResumo(longo), ("e c " + definicao119 + "xx").left(120) + "...");
  EXPECT_EQ(MontaResumo(span("D_DEF", "um<BR>dois")), "  umdois");
}

TEST(ResumoVerbete, LinkedWordsCountAsTheirTextAndTheCutKeepsNoTag) {
  QString definicao;
  for (int i = 0; i < 40; ++i) definicao += "<a href=\"goto://casa\">casa</a> ";
  const QString resumo = MontaResumo(span("D_N_CG", "<a href=\"goto://s.f.\">s.f.</a>") + span("D_DEF", definicao));
  EXPECT_TRUE(resumo.startsWith(" s.f. casa casa")) << resumo.toStdString();
  EXPECT_FALSE(resumo.contains(u'<'));
  EXPECT_EQ(resumo.size(), 123);  // 120 and "..."

}

TEST(ResumoVerbete, HomographNumberGoesIntoItsSpan) {
  EXPECT_EQ(PalavraExibida(QString("manga") + QChar(0xA0) + "2"), "manga<span id=\"D_SUP_RES\">2</span>");
  EXPECT_EQ(PalavraExibida(QString("manga") + QChar(0x0178) + "2"), "manga<span id=\"D_SUP_RES\">2</span>");
  EXPECT_EQ(PalavraExibida("casa"), "casa");
}

}  // namespace
