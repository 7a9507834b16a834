#include "FakeMiniVocabraDB.h"
#include "JanelaTeste.h"
#include "Twips.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The main window over a scripted alphabet: 30 words of "a" (ids 0-29) and
// 700 of "s" (30-729).
class frmMainListas : public JanelaTeste {
 protected:
  frmMainListas() {
    janela = criaJanela([this] {
      auto db = std::make_unique<FakeMiniVocabraDB>(FakeMiniVocabraDB::Alfabeto({{'a', 30}, {'s', 700}}));
      componente = db.get();
      return db;
    });
    t.emplace(*janela);
  }

  // Lets tmrListaCarga run until the list is loaded.
  bool EsperaCarga() {
    return QTest::qWaitFor([this] { return !t->tmrListaCarga->Enabled(); }, 5000);
  }

  FakeMiniVocabraDB* componente = nullptr;
  std::unique_ptr<frmMain> janela;
  std::optional<frmMainTeste> t;
};

TEST_F(frmMainListas, TheFirstActivationSelectsAAndLoadsTheWordsOfA) {
  ASSERT_TRUE(janela->Form_Load());
  EXPECT_EQ(t->lista.TamanhoFonte(), 7.5);  // "Fonte lista" 0
  janela->Form_Activate();
  EXPECT_EQ(t->m_EscolheLetra.LetraSelecionada(), QChar('A'));
  EXPECT_EQ(t->lista.ObtemLetraAtual(), QStringLiteral("a"));
  EXPECT_TRUE(t->tmrListaCarga->Enabled());
  EXPECT_EQ(t->tmrListaCarga->Interval(), 1);
  ASSERT_TRUE(EsperaCarga());
  EXPECT_EQ(t->lista.ObtemPalavraPos(29), QStringLiteral("a00029"));
  EXPECT_EQ(t->lista.ObtemPoslista(), 0);
}

TEST_F(frmMainListas, AClickOnALetterListsItsWordsInTheBackground) {
  ASSERT_TRUE(janela->Form_Load());
  janela->Form_Activate();
  ASSERT_TRUE(EsperaCarga());
  const QPoint s(5 * 19 + 9, 19 + 9);  // "S", second row
  emit t->imgLetras->MouseUp(1, 0, s.x() * twips::perPixelX(), s.y() * twips::perPixelY());
  EXPECT_EQ(t->m_EscolheLetra.LetraSelecionada(), QChar('S'));
  EXPECT_EQ(t->lista.ObtemLetraAtual(), QStringLiteral("S"));
  ASSERT_TRUE(EsperaCarga());
  EXPECT_EQ(t->lista.ObtemPalavraPos(729), QStringLiteral("s00699"));
  EXPECT_GE(componente->chamadas.filter(QStringLiteral("ObtemPagina(1,")).size(), 4);  // 300 rows a page
}

TEST_F(frmMainListas, AMouseMoveOverTheWindowClearsTheLettersHoverMark) {
  ASSERT_TRUE(janela->Form_Load());
  t->m_EscolheLetra.MarcaLetra(QStringLiteral("A"));
  const QImage antes = t->imgLetras->surface().image().copy();
  emit t->imgLetras->MouseMove(0, 0, 30 * twips::perPixelX(), 5 * twips::perPixelY());  // "B"
  ASSERT_NE(t->imgLetras->surface().image(), antes);
  QMouseEvent movimento(QEvent::MouseMove, QPointF(500, 300), QPointF(500, 300), Qt::NoButton, Qt::NoButton,
                        Qt::NoModifier);
  QCoreApplication::sendEvent(janela.get(), &movimento);
  EXPECT_EQ(t->imgLetras->surface().image(), antes);
}

TEST_F(frmMainListas, ClosingTheWindowStopsTheListsLoading) {
  ASSERT_TRUE(janela->Form_Load());
  janela->Form_QueryUnload();
  EXPECT_FALSE(t->lista.Carregando());
  EXPECT_FALSE(t->temPesquisa());
  janela->Form_Unload();
}

}  // namespace
