#include "ListaFixture.h"
#include "ListaPalavraID.h"

#include <QSignalSpy>

namespace ListaPalavraID {

void PrintTo(const Par& p, std::ostream* os) { *os << p.palavra.toStdString() << '|' << p.id; }

}  // namespace ListaPalavraID

namespace {

using ListaPalavraID::Par;

const QString kNbsp(QChar(160));

TEST(ListaPalavraID, PairsRunUpToTheLastCompleteOne) {
  const struct {
    QString pagina;
    QList<Par> pares;
  } casos[] = {
      {QString(), {}},
      {QStringLiteral("casa|120|casaca|121|"), {{"casa", 120}, {"casaca", 121}}},
      {QStringLiteral("casa|120|casaca|121"), {{"casa", 120}}},  // no final "|"
      {QStringLiteral("casa|120|casaca|"), {{"casa", 120}}},     // a word with no id
      {QStringLiteral("casa|120|casaca"), {{"casa", 120}}},
      {QStringLiteral("manga") + kNbsp + QStringLiteral("2|7|"), {{QStringLiteral("manga") + kNbsp + u'2', 7}}},
      {QStringLiteral("|5|"), {{"", 5}}},
      // Ids: decimal 32-bit integers, read the same way wherever a page is read.
      {QStringLiteral("a| 12 |b|-3|c|+4|"), {{"a", 12}, {"b", -3}, {"c", 4}}},
      {QStringLiteral("a|2147483647|b|2147483648|c|3|"), {{"a", 2147483647}}},
      {QStringLiteral("a|1|b|12.5|c|3|"), {{"a", 1}}},
      {QStringLiteral("a|1|b|12abc|c|3|"), {{"a", 1}}},
      {QStringLiteral("a|x|b|2|"), {}},
  };
  for (const auto& c : casos) EXPECT_EQ(ListaPalavraID::Pares(c.pagina), c.pares) << c.pagina.toStdString();
}

using Pares = ListaFixture;

// A chunk that lost its last pair moves the next slot by the pairs it kept:
// the next chunk's rows follow with no empty row between.
TEST_F(Pares, ALetterChunkWithoutItsFinalBarLeavesNoEmptyRow) {
  QStringList respostas = {QStringLiteral("casa|1500|cedo|1501"), QStringLiteral("cera|1502|")};
  db->paginador = [&respostas](std::int16_t, std::int32_t inicio, QString& pagina) {
    pagina = respostas.takeFirst();
    return respostas.isEmpty() ? -1 : inicio + 1;
  };
  ListaECarrega(QStringLiteral("c"), -1);
  EXPECT_TRUE(lista.getTextPos(0).startsWith(QStringLiteral("casa<br>cera<br>"))) << lista.getTextPos(0).toStdString();
}

TEST_F(Pares, AResultPageWithoutItsFinalBarLeavesNoEmptyRowAndNoHeadword) {
  lista.DefineBusca({[] { return false; }, [] { return 20000.0; }});
  QSignalSpy retorno(&lista, &CList::RetornoBusca);
  db->resultados[QStringLiteral("mascara:x*")] = {1, 2, 3, 4};
  db->paginador = [](std::int16_t, std::int32_t inicio, QString& pagina) {
    pagina = inicio == 0 ? QStringLiteral("w|1|x|2|y|3") : QStringLiteral("z|4|");
    return inicio == 0 ? 3 : -1;
  };
  lista.ListaPesquisaMascara(QStringLiteral("x*"), QString());
  EXPECT_EQ(lista.getTextPos(0), QStringLiteral("w<br>x<br>z<br><br>"));
  ASSERT_EQ(retorno.size(), 1);
  const QString html = retorno[0][1].toString();
  EXPECT_TRUE(html.contains(QStringLiteral("goID://2'")));
  EXPECT_FALSE(html.contains(QStringLiteral("goID://3'")));  // the lost pair is listed nowhere
}

}  // namespace
