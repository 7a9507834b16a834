#include "frmConfigLista.h"

#include "DialogosFixture.h"
#include "ResourceStrings.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

#include <functional>
#include <memory>

namespace {

class ConfigLista : public DialogosFixture {
 protected:
  frmConfigLista& abre() {
    dlg = std::make_unique<frmConfigLista>(config, dialogs);
    dlg->show();
    return *dlg;
  }
  QComboBox* combo() { return dlg->findChild<QComboBox*>(QStringLiteral("comboListaVerbete")); }
  // Which example picture shows: 0, 1, or -1 for none or both.
  int exemploVisivel() {
    const bool normal = dlg->findChild<QLabel*>(QStringLiteral("imgExemplo0"))->isVisible();
    const bool expandida = dlg->findChild<QLabel*>(QStringLiteral("imgExemplo1"))->isVisible();
    return normal == expandida ? -1 : (expandida ? 1 : 0);
  }
  void clica(const char* nome) {
    QTest::mouseClick(dlg->findChild<QWidget*>(QString::fromLatin1(nome)), Qt::LeftButton);
  }

  std::unique_ptr<frmConfigLista> dlg;
};

TEST_F(ConfigLista, OpensOnTheSavedSizeWithItsExample) {
  config.GravaReg(QStringLiteral("Fonte lista"), QStringLiteral("1"));
  config.LerConfiguracoesLista();
  abre();
  EXPECT_EQ(combo()->currentIndex(), 1);
  EXPECT_EQ(exemploVisivel(), 1);
  combo()->setCurrentIndex(0);
  EXPECT_EQ(config.FonteLista, 0);
  EXPECT_EQ(exemploVisivel(), 0);
}

TEST_F(ConfigLista, OkSavesTheSizeChosen) {
  abre();
  combo()->setCurrentIndex(1);
  EXPECT_EQ(config.FonteLista, 1);
  clica("cmdOK");
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_EQ(salvo(QStringLiteral("Fonte lista")), QStringLiteral("1"));
  EXPECT_EQ(config.FonteLista, 1);
}

// Cancel, the close box and Escape all drop the edit.
TEST_F(ConfigLista, EveryOtherWayOutReadsTheSavedSizeBack) {
  for (const auto& sai : saidasSemOk([this] { return dlg.get(); })) {
    abre();
    combo()->setCurrentIndex(1);
    sai();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(config.FonteLista, 0);
    EXPECT_EQ(salvo(QStringLiteral("Fonte lista")), QStringLiteral("<nada>"));
  }
}

TEST_F(ConfigLista, RestoreAsksThenShowsTheNormalSizeUnsaved) {
  config.GravaReg(QStringLiteral("Fonte lista"), QStringLiteral("1"));
  config.LerConfiguracoesLista();
  abre();
  dialogs.answer(dlg::vbNo);
  clica("cmdRestaurar");
  EXPECT_EQ(config.FonteLista, 1);
  clica("cmdRestaurar");
  ASSERT_EQ(dialogs.calls().size(), 2u);
  EXPECT_EQ(dialogs.calls()[1].prompt, LoadResString(709));
  EXPECT_EQ(dialogs.calls()[1].style, dlg::vbYesNo);
  EXPECT_EQ(config.FonteLista, 0);
  EXPECT_EQ(combo()->currentIndex(), 0);
  EXPECT_EQ(exemploVisivel(), 0);
  EXPECT_EQ(salvo(QStringLiteral("Fonte lista")), QStringLiteral("1"));
  clica("cmdOK");
  EXPECT_EQ(salvo(QStringLiteral("Fonte lista")), QStringLiteral("0"));
}

TEST(ExemploLista, TheExpandedPictureIsTaller) {
  EXPECT_GT(frmConfigLista::ExemploLista(1).height(), frmConfigLista::ExemploLista(0).height());
}

}  // namespace
