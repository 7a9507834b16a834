#include "MarcaBusca.h"
#include "PageDocument.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The texts painted in `html`, in order.
QStringList pintados(const QString& html) {
  static const QRegularExpression span(
      QStringLiteral("<span style=\"background-color:#ffff00;color:#000000;\">([^<]*)</span>"));
  QStringList found;
  for (const QRegularExpressionMatch& m : span.globalMatch(html)) found << m.captured(1);
  return found;
}

struct Caso {
  const char* nome;
  TermosBusca termos;
  const char* texto;
  QStringList esperado;
};

TEST(MarcaBusca, TheFourModesWithTheWorkedWords) {
  const Caso casos[] = {
      {"words", {QStringLiteral("casa azul"), {}, {}},
       "<b>Casa</b> azul, CASA; casarão azulado <i>ca</i>sa", {"Casa", "azul", "CASA", "ca", "sa"}},
      {"words with accents in the text", {QStringLiteral("acao"), {}, {}}, "Ação, coração", {"Ação"}},
      {"starts with", {{}, QStringLiteral("pre"), {}}, "prefácio empresa Pré-escola PRETO", {"pre", "PRE"}},
      {"ends with", {{}, {}, QStringLiteral("ção")}, "coração ações CÃO ção.", {"ção", "ção"}},
      {"both", {{}, QStringLiteral("a"), QStringLiteral("o")}, "amigo amiga ovo acaso", {"amigo", "acaso"}},
      {"nothing", {}, "casa", {}},
  };
  for (const Caso& c : casos) {
    PageDocument doc;
    doc.load(QStringLiteral("<body><div>%1</div></body>").arg(QString::fromUtf8(c.texto)));
    const QString texto = doc.text();
    MarcaBusca(doc, c.termos, QStringLiteral("#ffff00"), QStringLiteral("#000000"));
    EXPECT_EQ(pintados(doc.toHtml()), c.esperado) << c.nome << ": " << doc.toHtml().toStdString();
    EXPECT_EQ(doc.text(), texto) << c.nome;
  }
}

// Search words are text: painting them never puts markup into the page.
TEST(MarcaBusca, MarkupInTheSearchWordsIsOnlyText) {
  PageDocument doc;
  doc.load(QStringLiteral("<body>a &lt;i&gt; b</body>"));
  MarcaBusca(doc, {QStringLiteral("<i> \"><script>"), {}, {}}, QStringLiteral("#ffff00"), QStringLiteral("#000000"));
  EXPECT_EQ(pintados(doc.toHtml()), QStringList{QStringLiteral("&lt;i&gt;")});
  EXPECT_FALSE(doc.toHtml().contains(QStringLiteral("<i>")));
  EXPECT_FALSE(doc.toHtml().contains(QStringLiteral("<script")));
}

TEST(MarcaBusca, ColoursAreKeptBlueGreenRed) {
  EXPECT_EQ(CorCSS(65535), QStringLiteral("#ffff00"));
  EXPECT_EQ(CorCSS(0), QStringLiteral("#000000"));
  EXPECT_EQ(CorCSS(0x123456), QStringLiteral("#563412"));
}

}  // namespace
