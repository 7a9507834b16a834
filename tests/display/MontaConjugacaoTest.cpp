#include "MontaConjugacao.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

using modMain::ErroConjugacao;
using modMain::MontaConjugacao;

const QString kNbsp(QChar(160));

const QString kAbre = QStringLiteral("<table align='right' border=0 cellspacing=0 cellpadding=0><tr><td>");
const QString kFechaTudo = QStringLiteral("</table></td></tr></table>");
const QString kFechaTempo =
    QStringLiteral("<tr><td colspan='2'><span id='etempoB'>&nbsp;</span></td></tr></table></span> ");

QString cabecalho(const QString& nome) {
  return QStringLiteral("<span id='tempo1'> <table width = 90 border=0 cellspacing=0 cellpadding=0><tr><td "
                        "colspan=2><span id='tempo'>") +
         nome + QStringLiteral("</span><br><span id='etempoA'>&nbsp;</span></td></tr>");
}
QString linha(const QString& pronome, const QString& forma) {
  return QStringLiteral("<tr><td><span id='pron'>") + pronome +
         QStringLiteral("&nbsp;</span></td><td nowrap><span id='conj'>") + forma +
         QStringLiteral("<br></span></td></tr>");
}
QString linhaNominal(const QString& forma) {
  return QStringLiteral("<tr><td colspan=2><span id='conj'>") + forma + QStringLiteral("\r\n</span></td></tr>");
}
QString linhaBarra(const QString& pronome) {
  return QStringLiteral("<tr><td><span id='pron'>") + pronome +
         QStringLiteral("&nbsp;</span></td><td><span id='conj'>/<br></span></td></tr>");
}

// The 72 forms of "amar", tense by tense; the participle has one form.
const QStringList kAmar = {
    QStringLiteral("o;as;a;amos;ais;am"),
    QStringLiteral("ava;avas;ava;ávamos;áveis;avam"),
    QStringLiteral("ei;aste;ou;amos;astes;aram"),
    QStringLiteral("ara;aras;ara;áramos;áreis;aram"),
    QStringLiteral("arei;arás;ará;aremos;areis;arão"),
    QStringLiteral("aria;arias;aria;aríamos;aríeis;ariam"),
    QStringLiteral("e;es;e;emos;eis;em"),
    QStringLiteral("asse;asses;asse;ássemos;ásseis;assem"),
    QStringLiteral("ar;ares;ar;armos;ardes;arem"),
    QStringLiteral("a;e;emos;ai;em"),
    QStringLiteral("ar;ares;ar;armos;ardes;arem"),
    QStringLiteral("ando"),
    QStringLiteral("ado;;;;;"),
};

QString dadosAmar() { return QStringLiteral("ar") + kNbsp + kAmar.join(u';'); }

// The tense table that starts with the header of `nome`, up to the next.
QString tempo(const QString& html, const QString& nome) {
  const qsizetype inicio = html.indexOf(cabecalho(nome));
  if (inicio < 0) return QString();
  const qsizetype fim = html.indexOf(QStringLiteral("<span id='tempo1'>"), inicio + 1);
  return html.mid(inicio, fim < 0 ? -1 : fim - inicio);
}

TEST(MontaConjugacao, NoConjugationGivesTheEmptyString) {
  const QString casos[] = {QString(), kNbsp, QStringLiteral("  "), QStringLiteral(" ") + kNbsp + u' ',
                           QStringLiteral("er") + kNbsp + QStringLiteral("o;es")};  // "er" is not in "amar"
  for (const QString& dados : casos) EXPECT_EQ(MontaConjugacao(QStringLiteral("amar"), dados), QString()) << qPrintable(dados);
}

TEST(MontaConjugacao, AnEndingWithNoFormsGivesTheOuterTableAlone) {
  EXPECT_EQ(MontaConjugacao(QStringLiteral("amar"), QStringLiteral("ar") + kNbsp), kAbre + kFechaTudo);
}

TEST(MontaConjugacao, AmarGivesItsFirstTenseExactlyAndTheBlocksInTheirOrder) {
  const QString html = MontaConjugacao(QStringLiteral("amar"), dadosAmar());
  const QString presente = cabecalho(QStringLiteral("Presente do Indicativo")) + linha(QStringLiteral("eu"), QStringLiteral("amo")) +
                           linha(QStringLiteral("tu"), QStringLiteral("amas")) + linha(QStringLiteral("ele"), QStringLiteral("ama")) +
                           linha(QStringLiteral("nós"), QStringLiteral("amamos")) +
                           linha(QStringLiteral("vós"), QStringLiteral("amais")) +
                           linha(QStringLiteral("eles"), QStringLiteral("amam")) + kFechaTempo;
  ASSERT_TRUE(html.startsWith(kAbre + presente));
  EXPECT_TRUE(html.endsWith(kFechaTudo));

  const qsizetype perfeito = html.indexOf(QStringLiteral(">Pretérito Perfeito<"));
  const qsizetype imperfeito = html.indexOf(QStringLiteral(">Pretérito Imperfeito do Indicativo<"));
  const qsizetype maisQue = html.indexOf(QStringLiteral(">Pretérito Mais-que-Perfeito<"));
  EXPECT_LT(perfeito, imperfeito);
  EXPECT_LT(imperfeito, maisQue);
  EXPECT_EQ(html.count(QStringLiteral("<span id='tempo1'>")), 13);
  // Every tense table but the last (the participle) has the closing row.
  EXPECT_EQ(html.count(kFechaTempo), 12);
  EXPECT_FALSE(tempo(html, QStringLiteral("<BR>Particípio")).contains(QStringLiteral("etempoB")));
}

TEST(MontaConjugacao, TheImperativeHasFiveFormsEachBeforeItsPronoun) {
  const QString imperativo = tempo(MontaConjugacao(QStringLiteral("amar"), dadosAmar()), QStringLiteral("Imperativo Afirmativo"));
  EXPECT_EQ(imperativo.count(QStringLiteral("<tr><td><span id='conj'>")), 5);
  EXPECT_TRUE(imperativo.contains(QStringLiteral("<tr><td><span id='conj'>ama&nbsp;</span></td><td nowrap><span "
                                                 "id='pron'>tu<br></span></td></tr>")));
  EXPECT_FALSE(imperativo.contains(QStringLiteral(">eu<")));
}

TEST(MontaConjugacao, TheGerundHasOneFormAndEmptyParticipleFormsLeaveNoRow) {
  const QString html = MontaConjugacao(QStringLiteral("amar"), dadosAmar());
  EXPECT_EQ(tempo(html, QStringLiteral("Gerúndio")),
            cabecalho(QStringLiteral("Gerúndio")) + linhaNominal(QStringLiteral("amando")) + kFechaTempo);
  EXPECT_EQ(tempo(html, QStringLiteral("<BR>Particípio")),
            cabecalho(QStringLiteral("<BR>Particípio")) + linhaNominal(QStringLiteral("amado")) + QStringLiteral("</table></td></tr></table>"));
}

TEST(MontaConjugacao, AVariationRuleReplacesTheMarkedLetter) {
  const QString html =
      MontaConjugacao(QStringLiteral("agir"), QStringLiteral("g|ir") + kNbsp + QStringLiteral("j|o;g|es;g|e;g|imos;g|is;g|em"));
  EXPECT_TRUE(html.contains(linha(QStringLiteral("eu"), QStringLiteral("ajo"))));
  EXPECT_TRUE(html.contains(linha(QStringLiteral("tu"), QStringLiteral("ages"))));
  EXPECT_TRUE(html.contains(linha(QStringLiteral("eles"), QStringLiteral("agem"))));
}

TEST(MontaConjugacao, MissingFormsShowASlashWithTheirPerson) {
  QStringList formas = kAmar;
  formas[0] = QStringLiteral("/;as;a;amos;ais;am");
  formas[11] = QStringLiteral("/");
  formas[12] = QStringLiteral("ado;/;;;;");
  const QString html = MontaConjugacao(QStringLiteral("amar"), QStringLiteral("ar") + kNbsp + formas.join(u';'));
  EXPECT_TRUE(html.contains(linha(QStringLiteral("eu"), QStringLiteral("/"))));
  EXPECT_TRUE(tempo(html, QStringLiteral("Gerúndio")).contains(linhaBarra(QStringLiteral("eles"))));
  EXPECT_TRUE(tempo(html, QStringLiteral("<BR>Particípio")).contains(linhaBarra(QStringLiteral("tu"))));
}

TEST(MontaConjugacao, ABareSlashWithAVariationRuleIsAMissingFormInEveryTense) {
  QStringList formas;
  for (int i = 0; i < 65; ++i) formas << QStringLiteral("g|e");  // tenses 1 to 11
  formas << QStringLiteral("/");                                              // the gerund
  formas << QStringLiteral("g|ido") << QStringLiteral("/") << QString() << QString() << QString() << QString();
  const QString html = MontaConjugacao(QStringLiteral("agir"), QStringLiteral("g|ir") + kNbsp + formas.join(u';'));
  EXPECT_TRUE(tempo(html, QStringLiteral("Gerúndio")).contains(linhaBarra(QStringLiteral("eles"))));
  const QString participio = tempo(html, QStringLiteral("<BR>Particípio"));
  EXPECT_TRUE(participio.contains(linhaNominal(QStringLiteral("agido"))));
  EXPECT_TRUE(participio.contains(linhaBarra(QStringLiteral("tu"))));
}

TEST(MontaConjugacao, MalformedDataIsAnError) {
  const std::pair<QString, QString> casos[] = {
      {QStringLiteral("amar"), QStringLiteral("ar;o;as")},                               // no character 160
      {QStringLiteral("agir"), QStringLiteral("g|er") + kNbsp + QStringLiteral("j|o")},  // E not in the verb
      {QStringLiteral("agir"), QStringLiteral("x|ir") + kNbsp + QStringLiteral("j|o")},  // X not in the template
      {QStringLiteral("agir"), QStringLiteral("|ir") + kNbsp + QStringLiteral("j|o")},   // no letter to vary
      {QStringLiteral("agir"), QStringLiteral("g|ir") + kNbsp + QStringLiteral("jo")},   // a form without "|"
      {QStringLiteral("amar"), QStringLiteral("ar") + kNbsp + kAmar.join(u';') + QStringLiteral(";x")},  // 73 forms
  };
  for (const auto& [verbo, dados] : casos) {
    EXPECT_THROW(MontaConjugacao(verbo, dados), ErroConjugacao) << qPrintable(dados);
  }
}

TEST(MontaConjugacao, TextAfterASecondMarkIsIgnored) {
  EXPECT_EQ(MontaConjugacao(QStringLiteral("amar"), QStringLiteral("ar") + kNbsp + QStringLiteral("o") + kNbsp + QStringLiteral("xyz")),
            kAbre + cabecalho(QStringLiteral("Presente do Indicativo")) + linha(QStringLiteral("eu"), QStringLiteral("amo")) + kFechaTudo);
}

// Random data built from the characters that matter either gives tables or
// the conjugation error, never anything else.
TEST(MontaConjugacao, RandomDataNeverFailsOtherwise) {
  const QString alfabeto = QStringLiteral("ag|;/r ") + kNbsp;
  QRandomGenerator aleatorio(20240607);
  for (int caso = 0; caso < 3000; ++caso) {
    QString dados;
    const int tamanho = static_cast<int>(aleatorio.bounded(120));
    for (int i = 0; i < tamanho; ++i) dados += alfabeto[static_cast<int>(aleatorio.bounded(alfabeto.size()))];
    try {
      const QString html = MontaConjugacao(QStringLiteral("agir"), dados);
      EXPECT_TRUE(html.isEmpty() || (html.startsWith(kAbre) && html.endsWith(kFechaTudo))) << qPrintable(dados);
    } catch (const ErroConjugacao&) {
    }
  }
}

}  // namespace
