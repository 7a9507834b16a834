#include "JanelaTeste.h"
#include "MockMiniVocabraDB.h"

#include <gtest/gtest.h>

#include <stdexcept>

using ::testing::_;
using ::testing::DoAll;
using ::testing::NiceMock;
using ::testing::Return;
using ::testing::SetArgReferee;

namespace {

const QString kNbsp(QChar(160));

TEST(limpaVerbete, WordAndTitleOfARawHeadword) {
  const QString longo = QStringLiteral(" pneumoultramicroscopicossilicovulcanoconiose");
  EXPECT_EQ(frmMainTeste::limpaVerbete1(longo), QStringLiteral("pneumoultramicroscopicossilicovulcanoc"));
  EXPECT_EQ(frmMainTeste::limpaVerbete1(longo).size(), 38);
  EXPECT_EQ(frmMainTeste::limpaVerbete(QStringLiteral("manga") + kNbsp + u'2'), QStringLiteral("manga"));
  EXPECT_EQ(frmMainTeste::limpaVerbete1(QStringLiteral("manga") + kNbsp + u'2'), QStringLiteral("manga") + kNbsp + u'2');
  EXPECT_EQ(frmMainTeste::limpaVerbete(QStringLiteral(" a.C.: ")), QStringLiteral("aC"));
}

// Only blanks are trimmed: a homograph mark at the 39-character cut stays.
TEST(limpaVerbete, TrimsBlanksOnly) {
  const QString corte = QString(38, u'a') + kNbsp;
  EXPECT_EQ(frmMainTeste::limpaVerbete1(corte + u'2'), corte);
  EXPECT_EQ(frmMainTeste::limpaVerbete1(QStringLiteral(" :") + kNbsp), QStringLiteral(":") + kNbsp);
  EXPECT_EQ(frmMainTeste::limpaVerbete1(QStringLiteral("\tcasa ")), QStringLiteral("\tcasa"));
}

class ComComponente : public JanelaTeste {
 protected:
  ComComponente() {
    janela = criaJanela([this] {
      auto p = std::make_unique<NiceMock<MockMiniVocabraDB>>();
      db = p.get();
      return p;
    });
    t.emplace(*janela);
    t->Pesquisa();
  }

  NiceMock<MockMiniVocabraDB>* db = nullptr;
  std::unique_ptr<frmMain> janela;
  std::optional<frmMainTeste> t;
};

TEST_F(ComComponente, AlternativesLinkTheOtherEntriesWithRaisedHomographs) {
  EXPECT_CALL(*db, PesquisaFlexivel(QStringLiteral("manga"), 0, _)).WillOnce(Return(3));
  EXPECT_CALL(*db, ObtemPagina(0, 0, _))
      .WillOnce(DoAll(SetArgReferee<2>(QStringLiteral("manga") + kNbsp + QStringLiteral("1|40|manga") + kNbsp +
                                       QStringLiteral("2|41|mangas|42|")),
                      Return(-1)));
  EXPECT_EQ(t->MontaAlternativas(QStringLiteral("manga"), 40),
            QStringLiteral("<table  border=0 cellspacing=0 cellpadding=0><tr><td><span id='vAlternativas'>"
                           "<a href='goID://41'>manga<sup>2</sup></a><BR>"
                           "<a href='goID://42'>mangas</a><BR>"
                           "</span></td></tr></table>"));
}

// No page is coming after a failure, so the wait picture goes at once.
TEST_F(ComComponente, AFailingComponentTakesTheWaitPictureAway) {
  ON_CALL(*db, ObtemVerbete(_, _, _)).WillByDefault(::testing::Throw(std::runtime_error("component gone")));
  QString palavra;
  t->MostraVerbeteID(5, palavra, true, true);
  EXPECT_TRUE(t->picAguarde->isHidden());
}

TEST_F(ComComponente, NoBoxForASingleEntryOrNone) {
  EXPECT_CALL(*db, PesquisaFlexivel(_, 0, _)).WillOnce(Return(1)).WillOnce(Return(0));
  EXPECT_CALL(*db, ObtemPagina(0, 0, _)).WillOnce(DoAll(SetArgReferee<2>(QStringLiteral("casa|7|")), Return(-1)));
  EXPECT_EQ(t->MontaAlternativas(QStringLiteral("casa"), 7), QString());
  EXPECT_EQ(t->MontaAlternativas(QStringLiteral("xyz"), 7), QString());
}

TEST_F(ComComponente, PhraseFormsFollowEachWord) {
  EXPECT_CALL(*db, ObtemFormas(QStringLiteral("casa"), _))
      .WillOnce(DoAll(SetArgReferee<1>(QStringLiteral("casas|7|casinha") + kNbsp + QStringLiteral("2|8|")), Return(2)));
  EXPECT_CALL(*db, ObtemFormas(QStringLiteral("azul"), _)).WillOnce(Return(-1));
  EXPECT_EQ(t->ExpandeFormasFrase(QStringLiteral("casa azul")), QStringLiteral("casa casas casinha azul"));
}

// The alternatives box and the forms of a phrase read the component's pages
// as the word lists do: up to the last complete pair, ids as 32-bit numbers.
const QString kAbreAlternativas =
    QStringLiteral("<table  border=0 cellspacing=0 cellpadding=0><tr><td><span id='vAlternativas'>");
const QString kFechaAlternativas = QStringLiteral("</span></td></tr></table>");

QString Alternativas(frmMain& janela, NiceMock<MockMiniVocabraDB>& db, const QString& pagina, std::int32_t ID) {
  EXPECT_CALL(db, PesquisaFlexivel(QStringLiteral("manga"), 0, _)).WillOnce(Return(3));
  EXPECT_CALL(db, ObtemPagina(0, 0, _)).WillOnce(DoAll(SetArgReferee<2>(pagina), Return(-1)));
  return frmMainTeste(janela).MontaAlternativas(QStringLiteral("manga"), ID);
}

TEST_F(ComComponente, AlternativesLeaveOutAPairWithoutItsFinalBar) {
  EXPECT_EQ(Alternativas(*janela, *db, QStringLiteral("manga|40|mangas|41|mangaba|42"), 40),
            kAbreAlternativas + QStringLiteral("<a href='goID://41'>mangas</a><BR>") + kFechaAlternativas);
  EXPECT_EQ(Alternativas(*janela, *db, QStringLiteral("manga|40|mangas|41"), 40), QString());
}

TEST_F(ComComponente, AlternativesReadIdsAsWholeNumbers) {
  // " 41" is entry 41, the one shown, so it gets no link; "42.0" is no id,
  // and the page is read no further.
  EXPECT_EQ(Alternativas(*janela, *db, QStringLiteral("manga|40|manga1| 41|mangas|42|mangaba|42.0|manga2|43|"), 41),
            kAbreAlternativas +
                QStringLiteral("<a href='goID://40'>manga</a><BR><a href='goID://42'>mangas</a><BR>") +
                kFechaAlternativas);
}

TEST_F(ComComponente, PhraseFormsLeaveOutAPairWithoutItsFinalBar) {
  EXPECT_CALL(*db, ObtemFormas(QStringLiteral("casa"), _))
      .WillOnce(DoAll(SetArgReferee<1>(QStringLiteral("casas|7|casinha|8")), Return(2)));
  EXPECT_EQ(t->ExpandeFormasFrase(QStringLiteral("casa")), QStringLiteral("casa casas"));
}

}  // namespace
