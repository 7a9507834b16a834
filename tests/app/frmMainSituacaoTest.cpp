#include "JanelaTeste.h"

#include <gtest/gtest.h>

namespace {

// The state the last run left, as the window shows it at start: its
// maximise button and its "sum the filters" box.
class frmMainSituacao : public JanelaTeste {
 protected:
  std::unique_ptr<frmMain> carregada() {
    auto w = criaJanela(componenteQueAbre());
    EXPECT_TRUE(w->Form_Load());
    return w;
  }
};

TEST_F(frmMainSituacao, TheFirstRunOpensMaximisedWithTheRestoreButtonAndTheSumBoxClear) {
  auto w = carregada();
  frmMainTeste t(*w);
  EXPECT_EQ(t.config.EstadoJanela, CConfig::Maximizada);
  EXPECT_EQ(t.imgMax->PictureName(), QStringLiteral("BTNRESTAURAR"));
  EXPECT_FALSE(t.chkAvancada[3]->isChecked());
  emit t.imgMax->MouseUp(1, 0, 0, 0);
  EXPECT_EQ(t.config.EstadoJanela, CConfig::Normal);
  EXPECT_EQ(t.imgMax->PictureName(), QStringLiteral("BTNMAXIMIZAR"));
}

// "SomarFiltros" is read leniently.
TEST_F(frmMainSituacao, AStoredNormalPlacementKeepsTheMaximiseButtonAndTheStoredSumBox) {
  setHive(reg::HKEY_CURRENT_USER, "JanelaX", " 300");
  setHive(reg::HKEY_CURRENT_USER, "JanelaY", " 450");
  setHive(reg::HKEY_CURRENT_USER, "JanelaW", " 9600");
  setHive(reg::HKEY_CURRENT_USER, "JanelaH", " 9000");
  setHive(reg::HKEY_CURRENT_USER, "JanelaMax", "0");
  setHive(reg::HKEY_CURRENT_USER, "SomarFiltros", " 1");
  auto w = carregada();
  frmMainTeste t(*w);
  EXPECT_EQ(t.config.EstadoJanela, CConfig::Normal);
  EXPECT_EQ(w->retanguloTwips(), QRect(300, 450, 9600, 9000));
  EXPECT_EQ(t.imgMax->PictureName(), QStringLiteral("BTNMAXIMIZAR"));
  EXPECT_TRUE(t.chkAvancada[3]->isChecked());
}

}  // namespace
