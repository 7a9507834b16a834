#include "modClipBoard.h"

#include "FakeClipboard.h"
#include "ProgramPaths.h"
#include "TestFolders.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QByteArray kFolha = "#D_TIT { color: #336699; }";

class ModClipBoard : public ::testing::Test {
 protected:
  ModClipBoard() { world.write(QStringLiteral("program/css/estilo1.css"), kFolha); }

  // Copies `fragmento` with the callers' prefix and suffix.
  QByteArray copia(const QString& fragmento) {
    QString html = fragmento;
    QString prefixo = QStringLiteral("<HTML><BODY>");
    QString sufixo = QStringLiteral("</BODY></HTML>");
    escritor.CopiaHTMLClipboard(html, prefixo, sufixo);
    return clipboard.dados(QStringLiteral("HTML Format"));
  }
  static qsizetype campo(const QByteArray& doc, const char* nome) {
    const qsizetype p = doc.indexOf(QByteArray(nome) + ':');
    return doc.mid(p + qsizetype(qstrlen(nome)) + 1, 10).toLongLong();
  }

  TestFolders world;
  FakeClipboard clipboard;
  modClipBoard::EscritorHTML escritor{clipboard};
};

TEST_F(ModClipBoard, DocumentHasTheHeaderOffsetsAndTheStyleInsideTheFragment) {
  const QByteArray bloco = copia(QStringLiteral("<b>casa</b>"));
  ASSERT_TRUE(bloco.endsWith(QByteArray(10, '\0')));
  const QByteArray doc = bloco.chopped(10);
  EXPECT_TRUE(doc.startsWith("Version:1.0\r\nStartHTML:0000000167\r\nEndHTML:"));
  EXPECT_EQ(doc.mid(167 - 62, 62), "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
  EXPECT_EQ(campo(doc, "StartHTML"), 167);
  EXPECT_EQ(campo(doc, "EndHTML"), doc.size());
  EXPECT_EQ(campo(doc, "StartFragment"), 167 + 12 + 21);
  const QByteArray fragmento = "<style>" + kFolha + "</style><b>casa</b>";
  EXPECT_EQ(doc.mid(campo(doc, "StartFragment"), campo(doc, "EndFragment") - campo(doc, "StartFragment")), fragmento);
  EXPECT_EQ(doc.mid(167), "<HTML><BODY><!--StartFragment -->" + fragmento + "<!--EndFragment --></BODY></HTML>");
  EXPECT_EQ(clipboard.chamadas(), QStringList({"RegisterFormat HTML Format", "Open", "Empty", "SetData HTML Format",
                                               "Close"}));
}

TEST_F(ModClipBoard, EmptyFragmentSpansTheStyleBlockAlone) {
  const QByteArray doc = copia(QString());
  EXPECT_EQ(campo(doc, "EndFragment") - campo(doc, "StartFragment"), 15 + kFolha.size());
}

TEST_F(ModClipBoard, ArgumentsComeBackWithTheCommentsAndTheStyle) {
  QString html = QStringLiteral("x");
  QString prefixo = QStringLiteral("<HTML><BODY>");
  QString sufixo = QStringLiteral("</BODY></HTML>");
  escritor.CopiaHTMLClipboard(html, prefixo, sufixo);
  EXPECT_EQ(html, QStringLiteral("<style>") + QString::fromLatin1(kFolha) + QStringLiteral("</style>x"));
  EXPECT_EQ(prefixo, QStringLiteral("<HTML><BODY><!--StartFragment -->"));
  EXPECT_EQ(sufixo, QStringLiteral("<!--EndFragment --></BODY></HTML>"));
}

TEST_F(ModClipBoard, FormatIsRegisteredOnceAndRetriedAfterAFailure) {
  clipboard.semRegistro = true;
  copia(QStringLiteral("a"));
  EXPECT_TRUE(clipboard.conteudo().empty());
  EXPECT_FALSE(clipboard.chamadas().contains(QStringLiteral("Open")));
  clipboard.semRegistro = false;
  copia(QStringLiteral("a"));
  copia(QStringLiteral("b"));
  EXPECT_EQ(clipboard.registros(), 2);
  EXPECT_FALSE(clipboard.dados(QStringLiteral("HTML Format")).isEmpty());
}

TEST_F(ModClipBoard, ClipboardHeldElsewhereIsLeftAlone) {
  clipboard.ocupado = true;
  copia(QStringLiteral("a"));
  EXPECT_TRUE(clipboard.conteudo().empty());
  EXPECT_FALSE(clipboard.chamadas().contains(QStringLiteral("Empty")));
}

TEST_F(ModClipBoard, MissingSheetCopiesWithoutAStyleBlock) {
  QFile::remove(world.programDir() + QStringLiteral("/css/estilo1.css"));
  const QByteArray doc = copia(QStringLiteral("<i>a</i>")).chopped(10);
  EXPECT_EQ(doc.mid(campo(doc, "StartFragment"), campo(doc, "EndFragment") - campo(doc, "StartFragment")),
            "<i>a</i>");
}

// As the entry page does, the copy takes the user's own sheet ahead of an
// installed program's.
TEST_F(ModClipBoard, AnInstalledProgramCopiesWithTheUsersSheet) {
  const QString instalado = QStringLiteral("usr/share/minivocabra/program");
  qputenv(paths::kProgramDirVariable, (world.root() + u'/' + instalado).toUtf8());
  world.write(instalado + QStringLiteral("/css/estilo1.css"), kFolha);
  world.write(QStringLiteral("data-home/minivocabra/css/estilo1.css"), "#D_TIT { color: #123456; }");
  EXPECT_TRUE(copia(QStringLiteral("<b>casa</b>")).contains("<style>#D_TIT { color: #123456; }</style><b>casa</b>"));
}

TEST_F(ModClipBoard, OffsetLettersInsideThePageStayThePages) {
  const QByteArray doc = copia(QStringLiteral("aaaaaaaaaa dddddddddd")).chopped(10);
  EXPECT_TRUE(doc.contains("</style>aaaaaaaaaa dddddddddd<!--EndFragment"));
  EXPECT_EQ(campo(doc, "EndHTML"), doc.size());
}

// The sheet is UTF-8 and says so; the document is single-byte text, so the
// sheet goes in without its encoding rule and with every character outside
// ASCII as a CSS escape: nothing the user chose turns into "?".
TEST_F(ModClipBoard, TheSheetGoesInWholeWhateverItsCharacters) {
  world.write(QStringLiteral("program/css/estilo1.css"),
              QStringLiteral("@charset \"UTF-8\";\n#D_TIT { font-family: \"— € 日本 Привет 😀\"; }").toUtf8());
  const QByteArray doc = copia(QStringLiteral("<b>casa</b>")).chopped(10);
  EXPECT_TRUE(doc.contains("<style>#D_TIT { font-family: \"\\002014 \\0020AC \\0065E5\\00672C "
                           "\\00041F\\000440\\000438\\000432\\000435\\000442 \\01F600\"; }</style><b>casa</b>"))
      << doc.constData();
  EXPECT_EQ(campo(doc, "EndHTML"), doc.size());
}

}  // namespace
