#include "JanelaTeste.h"
#include "ResourceStrings.h"

#include <QAction>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A desktop that has, or has not, a web browser to take an address.
class NavegadorFalso final : public IWebOpener {
 public:
  bool haNavegador = false;
  std::vector<QUrl> pedidos;
  bool open(const QUrl& address) override {
    pedidos.push_back(address);
    return haNavegador;
  }
};

class SiteDoDicionario : public JanelaTeste {
 protected:
  std::unique_ptr<frmMain> janela() {
    Servicos servicos = servicosDeTeste(componenteQueAbre());
    servicos.abreWeb = navegador;
    auto w = std::make_unique<frmMain>(std::move(servicos));
    EXPECT_TRUE(w->Form_Load());
    return w;
  }

  std::shared_ptr<NavegadorFalso> navegador = std::make_shared<NavegadorFalso>();
};

TEST_F(SiteDoDicionario, WithNoWebBrowserTheUserIsToldInPortuguese) {
  auto w = janela();
  frmMainTeste t(*w);
  t.menus.mnu_SiteDicionario->trigger();
  ASSERT_EQ(navegador->pedidos.size(), 1u);
  EXPECT_EQ(navegador->pedidos[0], QUrl(CBrowser::kSiteFabricante));
  ASSERT_EQ(dialogs.calls().size(), 1u);
  const QString site = QUrl(CBrowser::kSiteFabricante).toDisplayString();
  const QString esperado = LoadResString(910).replace(QStringLiteral("%1"), site);
  EXPECT_EQ(dialogs.calls()[0].prompt, esperado);
  EXPECT_TRUE(esperado.contains(QStringLiteral("navegador")));
  EXPECT_EQ(dialogs.calls()[0].style, dlg::vbExclamation);
}

TEST_F(SiteDoDicionario, ABrowserThatTakesTheSiteNeedsNoMessage) {
  navegador->haNavegador = true;
  auto w = janela();
  frmMainTeste t(*w);
  t.menus.mnu_SiteDicionario->trigger();
  EXPECT_EQ(navegador->pedidos.size(), 1u);
  EXPECT_TRUE(dialogs.calls().empty());
}

// A page's link out of the program goes the same way.
TEST_F(SiteDoDicionario, APageLinkOutOfTheProgramWithNoBrowserIsToldToo) {
  auto w = janela();
  frmMainTeste t(*w);
  t.m_browser.navegador().FollowLink(QStringLiteral("https://exemplo.com.br/pagina"));
  ASSERT_EQ(navegador->pedidos.size(), 1u);
  ASSERT_EQ(dialogs.calls().size(), 1u);
  EXPECT_TRUE(dialogs.calls()[0].prompt.contains(QStringLiteral("https://exemplo.com.br/pagina")));
}

}  // namespace
