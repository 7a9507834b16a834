#include "CHistorico.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

// A history with every event it raises written down as text.
class Historico : public ::testing::Test {
 protected:
  Historico() {
    QObject::connect(&historico, &CHistorico::NavegaVerbete, [this](std::int32_t id, const CHistReg& passo) {
      eventos << QStringLiteral("verbete %1 %2/%3/%4")
                     .arg(id)
                     .arg(passo.getBuscaPalavra(), passo.getBuscaIniciada(), passo.getBuscaTerminada());
    });
    QObject::connect(&historico, &CHistorico::NavegaPagina, [this](const QString& arquivo, const CHistReg& passo) {
      eventos << QStringLiteral("pagina %1 %2").arg(arquivo, passo.getTitulo());
    });
    QObject::connect(&historico, &CHistorico::NavegaLista, [this](const QString& conteudo, const CHistReg& passo) {
      eventos << QStringLiteral("lista %1 %2").arg(conteudo, passo.getBuscaPalavra());
    });
  }

  void adicionaVerbetes(int primeiro, int ultimo) {
    for (int id = primeiro; id <= ultimo; ++id) historico.Adiciona(QStringLiteral("v%1").arg(id), id);
  }
  void volta(int vezes) {
    for (int i = 0; i < vezes; ++i) historico.Anterior();
  }

  CHistorico historico;
  QStringList eventos;
};

TEST_F(Historico, AFullHistoryAtItsLastStepDropsTheOldest) {
  adicionaVerbetes(1, 50);
  historico.Adiciona(QStringLiteral("v51"), 51);
  EXPECT_EQ(historico.Quantidade(), 50);
  EXPECT_EQ(historico.Posicao(), 50);
  EXPECT_EQ(historico.Passo(1).getIDVerbete(), 2);
  EXPECT_EQ(historico.Passo(50).getIDVerbete(), 51);
}

TEST_F(Historico, ANewStepAfterSteppingBackDropsOnlyTheStepsAhead) {
  adicionaVerbetes(1, 50);
  volta(20);
  ASSERT_EQ(historico.Posicao(), 30);
  historico.Adiciona(QStringLiteral("novo"), 900);
  EXPECT_EQ(historico.Quantidade(), 31);
  EXPECT_EQ(historico.Posicao(), 31);
  EXPECT_EQ(historico.Passo(1).getIDVerbete(), 1);
  EXPECT_EQ(historico.Passo(30).getIDVerbete(), 30);
  EXPECT_EQ(historico.Passo(31).getIDVerbete(), 900);
}

TEST_F(Historico, TheCurrentEntryShownAgainRecordsNothingAndKeepsTheStepsAhead) {
  adicionaVerbetes(1, 3);
  historico.Adiciona(QStringLiteral("v3 again"), 3, QStringLiteral("outra"));
  EXPECT_EQ(historico.Quantidade(), 3);
  volta(1);
  historico.Adiciona(QStringLiteral("v2"), 2);
  EXPECT_EQ(historico.Quantidade(), 3);
  EXPECT_EQ(historico.Posicao(), 2);
  EXPECT_EQ(historico.Passo(3).getIDVerbete(), 3);
}

TEST_F(Historico, EntryZeroAfterAListPageIsANewStep) {
  historico.AdicionaLista(QStringLiteral("<p>resultados</p>"));
  historico.Adiciona(QStringLiteral("a"), 0);
  EXPECT_EQ(historico.Quantidade(), 2);
  EXPECT_EQ(historico.Passo(2).getTipo(), CHistReg::Tipo::Verbete);
}

TEST_F(Historico, PagesAndListsAreRecordedEvenWhenRepeated) {
  historico.AdicionaLista(QStringLiteral("<p>x</p>"));
  historico.AdicionaLista(QStringLiteral("<p>x</p>"));
  historico.AdicionaArquivo(QStringLiteral("Manual"), QStringLiteral("file:///m.htm"));
  historico.AdicionaArquivo(QStringLiteral("Manual"), QStringLiteral("file:///m.htm"));
  EXPECT_EQ(historico.Quantidade(), 4);
}

TEST_F(Historico, MovesAtTheEndsDoNothing) {
  historico.Anterior();
  historico.Proximo();
  adicionaVerbetes(1, 1);
  historico.Anterior();
  historico.Proximo();
  adicionaVerbetes(2, 2);
  historico.Proximo();
  EXPECT_TRUE(eventos.isEmpty());
  EXPECT_EQ(historico.Posicao(), 2);
}

TEST_F(Historico, EachStepKindRaisesItsOwnEventBothWays) {
  historico.Adiciona(QStringLiteral("casa"), 7, QStringLiteral("palavra"), QStringLiteral("ini"), QStringLiteral("fim"));
  historico.AdicionaArquivo(QStringLiteral("Manual"), QStringLiteral("manual/a.htm"));
  historico.AdicionaLista(QStringLiteral("<b>lista</b>"), QStringLiteral("busca"));
  volta(2);
  historico.Proximo();
  historico.Proximo();
  EXPECT_EQ(eventos, QStringList({QStringLiteral("pagina manual/a.htm Manual"),
                                  QStringLiteral("verbete 7 palavra/ini/fim"),
                                  QStringLiteral("pagina manual/a.htm Manual"),
                                  QStringLiteral("lista <b>lista</b> busca")}));
  EXPECT_EQ(historico.Quantidade(), 3);
}

TEST(HistReg, FieldsThatTheKindDoesNotSetStayEmpty) {
  CHistReg pagina;
  pagina.Dados_Paginas(QStringLiteral("Manual"), QStringLiteral("a.htm"));
  EXPECT_EQ(pagina.getTipo(), CHistReg::Tipo::Pagina);
  EXPECT_EQ(pagina.getIDVerbete(), 0);
  EXPECT_TRUE(pagina.getConteudo().isEmpty());
  EXPECT_TRUE(pagina.getBuscaPalavra().isEmpty());
  CHistReg lista;
  lista.Dados_Lista(QStringLiteral("<p/>"), QStringLiteral("p"), QStringLiteral("i"), QStringLiteral("t"));
  EXPECT_TRUE(lista.getTitulo().isEmpty());
  EXPECT_EQ(lista.getBuscaTerminada(), QStringLiteral("t"));
}

}  // namespace
