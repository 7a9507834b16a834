#include "HtmlVerbete.h"
#include "TermosTexto.h"

#include <gtest/gtest.h>

namespace {

using dicionario::Elemento;

TEST(TermosTexto, RunsOfLettersFoldedToTheirKeys) {
  EXPECT_EQ(dicionario::termosDoTexto(QString::fromUtf8("Guarda-chuva, à VISTA! d'água 1990")),
            (QStringList{"guarda", "chuva", "a", "vista", "d", "agua", "1990"}));
  EXPECT_TRUE(dicionario::termosDoTexto(QStringLiteral(" .,;- ")).isEmpty());
}

TEST(HtmlVerbete, WordsBecomeLinksAndAbbreviationsKeepTheirDot) {
  const dicionario::HtmlVerbete html([](const QString& t) { return t == u"lat."; });
  dicionario::ConteudoVerbete c;
  c.linhas = {{}, {{Elemento::Classe, QStringLiteral("v.t.d.")}},
              {{Elemento::NumeroDefinicao, QStringLiteral("1.")},
               {Elemento::Definicao, QString::fromUtf8("Do lat. e do <gr>: guarda-chuva & 2 casas.")}}};
  EXPECT_EQ(html.monta(QStringLiteral("a\"b"), c),
            QString::fromUtf8("<span id=\"D_TIT\">a&quot;b</span><BR>"
                              "<span id=\"D_N_CG\"><a href=\"goto://v.t.d.\">v.t.d.</a></span><BR>"
                              "<span id=\"D_N_DEF\">1.</span> <span id=\"D_DEF\"><a href=\"goto://Do\">Do</a> "
                              "<a href=\"goto://lat.\">lat.</a> <a href=\"goto://e\">e</a> <a href=\"goto://do\">do</a> "
                              "&lt;<a href=\"goto://gr\">gr</a>&gt;: <a href=\"goto://guarda-chuva\">guarda-chuva</a> "
                              "&amp; 2 <a href=\"goto://casas\">casas</a>.</span>"));
}

}  // namespace
