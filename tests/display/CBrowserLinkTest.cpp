#include "BrowserFixture.h"
#include "ComandoLink.h"

namespace {

TEST(InterpretaLink, LinkFormsAsWrittenOrWithTheSlashBrowsersAdd) {
  const struct {
    const char* url;
    std::int16_t comando;
    std::int32_t id;
    const char* palavra;
  } cases[] = {
      {"goID://1234", 1, 1234, ""},   {"goid://1234/", 1, 1234, ""},     {"GOID://12.5", 1, 12, ""},
      {"goID://x", 1, 0, ""},         {"goID://99999999999", 1, 2147483647, ""},
      {"goto://casa", 2, 0, "casa"},  {"goto://casa/", 2, 0, "casa"},    {"Goto://ação", 2, 0, "ação"},
      {"goto://", 2, 0, ""},          {"javascript:history.back()", 3, 0, ""},
  };
  for (const auto& c : cases) {
    const std::optional<ComandoLink> link = InterpretaLink(QString::fromUtf8(c.url));
    ASSERT_TRUE(link.has_value()) << c.url;
    EXPECT_EQ(link->comando, c.comando) << c.url;
    EXPECT_EQ(link->id, c.id) << c.url;
    EXPECT_EQ(link->palavra, QString::fromUtf8(c.palavra)) << c.url;
  }
  for (const char* url : {"javascript:alert(1)", "goid:/1", "http://goid.com/", "/x/f1.htm", ""}) {
    EXPECT_FALSE(InterpretaLink(QString::fromUtf8(url)).has_value()) << url;
  }
}

class CBrowserLinkTest : public BrowserFixture {
 protected:
  CBrowserLinkTest() {
    carregaModelo();
    browser.MostraVerbete(QStringLiteral("<a href='goID://1234'>casa</a>"));
  }
};

TEST_F(CBrowserLinkTest, CommandLinksAreCancelledAndRaiseTheCommand) {
  const QString antes = area();
  browser.navegador().FollowLink(QStringLiteral("goID://1234"));
  browser.navegador().FollowLink(QStringLiteral("goto://casa"));
  EXPECT_EQ(browser.getComandoBrowser(), 2);
  EXPECT_EQ(browser.getIdClicadoLista(), 1234) << "kept until the next id link";
  EXPECT_EQ(browser.getPalavraClicada(), QStringLiteral("casa"));
  browser.navegador().FollowLink(QStringLiteral("javascript:history.back()"));
  EXPECT_EQ(browser.getComandoBrowser(), 3);
  EXPECT_EQ(browser.getPalavraClicada(), QStringLiteral("casa"));

  ASSERT_EQ(execComando.count(), 3);
  EXPECT_EQ(execComando.at(0).at(0).value<std::int16_t>(), 1);
  EXPECT_EQ(execComando.at(2).at(0).value<std::int16_t>(), 3);
  completa();
  EXPECT_EQ(area(), antes);
  EXPECT_EQ(browser.getEstado(), 2);
  EXPECT_EQ(histPagina.count(), 0);
}

TEST_F(CBrowserLinkTest, CreditsPageGetsTheVersionBlockAndIsRecordedUnlessAskedWithAQuestionMark) {
  const QString creditos = paths::appPath() + QStringLiteral("\\manual\\creditos.htm");
  browser.MostraPagina(creditos);
  EXPECT_EQ(histPagina.count(), 1);
  completa();
  EXPECT_EQ(browser.getEstado(), 1);
  EXPECT_EQ(elemento("versoes"), QStringLiteral("<b>Interface 1.0.5</b>"));

  browser.MostraPagina(creditos + u'?');
  EXPECT_EQ(histPagina.count(), 1);
  completa();
  EXPECT_EQ(elemento("versoes"), QStringLiteral("<b>Interface 1.0.5</b>"));
}

TEST_F(CBrowserLinkTest, ACommandLinkClearsTheCreditsMark) {
  browser.MostraPagina(paths::appPath() + QStringLiteral("\\manual\\creditos.htm"));
  browser.navegador().FollowLink(QStringLiteral("goID://5"));
  completa();
  EXPECT_EQ(elemento("versoes"), QString());
}

TEST_F(CBrowserLinkTest, LinksBetweenHelpPagesAreRecordedAndTemplatesAreNot) {
  mostraAjuda("\\manual\\principal.htm");
  browser.navegador().FollowLink(QStringLiteral("verbete.htm"));
  ASSERT_EQ(histPagina.count(), 2);
  EXPECT_EQ(histPagina.at(1).at(0).toString(), folders.programDir() + QStringLiteral("/manual/verbete.htm"));
  completa();
  EXPECT_TRUE(browser.navegador().document().toHtml().contains(QStringLiteral("Como ler um verbete")));

  browser.MostraVerbete(QStringLiteral("x"));  // state 3, template loading
  browser.navegador().Navigate(paths::appPath() + QStringLiteral("\\f2.htm"));
  EXPECT_EQ(browser.getEstado(), 3);
  EXPECT_EQ(histPagina.count(), 2);
}

TEST_F(CBrowserLinkTest, AnOrdinaryPageWhileTheTemplateLoadsDropsWhatWasWaiting) {
  browser.MostraVerbete(QStringLiteral("<p>depois</p>"));
  mostraAjuda();  // state 3 -> a link elsewhere before completion
  browser.MostraVerbete(QStringLiteral("<p>espera</p>"));
  browser.navegador().Navigate(paths::appPath() + QStringLiteral("\\h.htm"));
  completa();
  EXPECT_EQ(browser.getEstado(), 1);
  EXPECT_FALSE(browser.navegador().document().toHtml().contains(QStringLiteral("espera")));
}

}  // namespace
