#include "CScroll.h"

#include "Twips.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A bar whose thumb travels 200 pixels: up arrow 0-16, thumb 25 high, down
// arrow from 241.
class CScrollTest : public ::testing::Test {
 protected:
  void SetUp() override {
    container.resize(21, 257);
    for (auto& img : imgs) img = std::make_unique<ImageControl>(&container);
    barra().setGeometry(0, 16, 21, 25);
    cima().setGeometry(0, 0, 21, 16);
    baixo().setGeometry(0, 241, 21, 16);
    trilho().setGeometry(0, 0, 21, 257);
    scroll.Inicializa(&barra(), &cima(), &baixo(), &trilho());
  }

  ImageControl& barra() { return *imgs[0]; }
  ImageControl& cima() { return *imgs[1]; }
  ImageControl& baixo() { return *imgs[2]; }
  ImageControl& trilho() { return *imgs[3]; }

  static double Twips(double pixels) { return pixels * twips::perPixelY(); }

  QWidget container;
  std::unique_ptr<ImageControl> imgs[4];
  CScroll scroll;
};

TEST_F(CScrollTest, PlacesTheThumbInProportionToTheValue) {
  EXPECT_EQ(scroll.ValorMax(), 100);
  EXPECT_DOUBLE_EQ(scroll.Curso(), 200);
  QSignalSpy fins(&scroll, &CScroll::EndScroll);
  scroll.setValor(50);
  EXPECT_EQ(barra().y(), 116);
  scroll.setValor(100);
  EXPECT_EQ(barra().y(), 216);
  EXPECT_EQ(fins.count(), 0);  // writing the value raises nothing
}

TEST_F(CScrollTest, AMaximumOfZeroHidesTheThumbAndPutsItAtTheTop) {
  scroll.setValorMax(0);
  EXPECT_TRUE(barra().isHidden());
  scroll.setValor(7);
  EXPECT_EQ(barra().y(), 16);
  scroll.setValorMax(40);
  EXPECT_FALSE(barra().isHidden());
}

TEST_F(CScrollTest, DraggingTheThumbToTheMiddleGivesHalfTheMaximum) {
  QSignalSpy scrolls(&scroll, &CScroll::Scroll);
  QSignalSpy fins(&scroll, &CScroll::EndScroll);
  emit barra().MouseDown(1, 0, Twips(3), Twips(5));
  // The pointer's y is relative to the thumb, which follows it.
  emit barra().MouseMove(1, 0, Twips(3), Twips(105));
  EXPECT_EQ(barra().y(), 116);
  EXPECT_EQ(scroll.Valor(), 50);
  emit barra().MouseMove(1, 0, Twips(3), Twips(5));  // no change: no event
  emit barra().MouseMove(1, 0, Twips(3), Twips(5000));
  EXPECT_EQ(barra().y(), 216);
  EXPECT_EQ(scroll.Valor(), 100);
  ASSERT_EQ(scrolls.count(), 2);
  EXPECT_EQ(scrolls[0][0].toInt(), 50);
  emit barra().MouseUp(1, 0, Twips(3), Twips(5));
  ASSERT_EQ(fins.count(), 1);
  EXPECT_EQ(fins[0][0].toInt(), 100);
  emit barra().MouseMove(1, 0, Twips(3), Twips(-5000));  // released: no drag
  EXPECT_EQ(scroll.Valor(), 100);
}

// The value follows the thumb's real top, not the whole pixel it is drawn
// at: at value 3 of 1000 it stands at 16.6, drawn at 17.
TEST_F(CScrollTest, ADragCountsFromTheThumbsRealTop) {
  scroll.setValorMax(1000);
  scroll.setValor(3);
  EXPECT_EQ(barra().y(), 17);
  emit barra().MouseDown(1, 0, 0, Twips(5));
  emit barra().MouseMove(1, 0, 0, Twips(6));
  EXPECT_EQ(scroll.Valor(), 8);  // 1000 / 200 * (17.6 - 16)
}

TEST_F(CScrollTest, WithNoMaximumADragNeverStartsButTheReleaseStillEnds) {
  scroll.setValorMax(0);
  QSignalSpy fins(&scroll, &CScroll::EndScroll);
  emit barra().MouseDown(1, 0, 0, Twips(5));
  emit barra().MouseMove(1, 0, 0, Twips(50));
  emit barra().MouseUp(1, 0, 0, Twips(50));
  EXPECT_EQ(scroll.Valor(), 0);
  ASSERT_EQ(fins.count(), 1);
  EXPECT_EQ(fins[0][0].toInt(), 0);
}

TEST_F(CScrollTest, AThumbWithNoTravelKeepsTheValueAtZero) {
  baixo().move(0, 41);  // the thumb fills the space between the arrows
  emit barra().MouseDown(1, 0, 0, Twips(5));
  emit barra().MouseMove(1, 0, 0, Twips(60));
  EXPECT_EQ(scroll.Valor(), 0);
}

struct CliqueTrilho {
  int valor, maximo, pagina;
  double y;  // pixels from the top of the track
  int esperado;
  int eventos;
};

void PrintTo(const CliqueTrilho& c, std::ostream* os) { *os << "value " << c.valor << ", click at " << c.y; }

class CScrollTrilho : public CScrollTest, public ::testing::WithParamInterface<CliqueTrilho> {};

TEST_P(CScrollTrilho, ATrackClickMovesByAPageWithinTheBounds) {
  const CliqueTrilho c = GetParam();
  scroll.setValorMax(c.maximo);
  scroll.setTamPagina(c.pagina);
  scroll.setValor(c.valor);
  QSignalSpy fins(&scroll, &CScroll::EndScroll);
  emit trilho().MouseDown(1, 0, 0, Twips(c.y));
  EXPECT_EQ(scroll.Valor(), c.esperado);
  EXPECT_EQ(fins.count(), c.eventos);
}

INSTANTIATE_TEST_SUITE_P(Casos, CScrollTrilho,
                         ::testing::Values(CliqueTrilho{10, 100, 25, 17, 0, 1},    // above the thumb (top 36)
                                           CliqueTrilho{90, 100, 25, 250, 100, 1},  // below it (top 196)
                                           CliqueTrilho{0, 100, 25, 5, 0, 1},      // already at 0: event all the same
                                           CliqueTrilho{50, 100, 25, 120, 50, 0}));  // on the thumb (116-141)

TEST_F(CScrollTest, HoldingAnArrowBrieflyStepsOnce) {
  QSignalSpy fins(&scroll, &CScroll::EndScroll);
  bool solto = false;
  QTimer::singleShot(300, &baixo(), [&] {
    emit baixo().MouseUp(1, 0, 0, 0);
    solto = true;
  });
  emit baixo().MouseDown(1, 0, 0, 0);  // returns at once
  EXPECT_EQ(scroll.Valor(), 1);
  EXPECT_TRUE(scroll.Repetindo());
  ASSERT_TRUE(QTest::qWaitFor([&] { return solto; }));
  EXPECT_FALSE(scroll.Repetindo());  // released during the wait: no repeat will come
  EXPECT_EQ(scroll.Valor(), 1);
  EXPECT_EQ(fins.count(), 1);
}

TEST_F(CScrollTest, HoldingAnArrowRepeatsAfterHalfASecondUpToTheBound) {
  QElapsedTimer relogio;
  qint64 segundoPasso = -1;
  int passos = 0;
  QObject::connect(&scroll, &CScroll::EndScroll, &scroll, [&] {
    if (++passos == 2) segundoPasso = relogio.elapsed();
  });
  relogio.start();
  emit baixo().MouseDown(1, 0, 0, 0);  // never released: stops at the maximum
  ASSERT_TRUE(QTest::qWaitFor([&] { return !scroll.Repetindo(); }, 20000));
  EXPECT_EQ(scroll.Valor(), 100);
  EXPECT_EQ(passos, 100);
  EXPECT_GE(segundoPasso, 500);
  EXPECT_EQ(barra().y(), 216);
}

TEST_F(CScrollTest, ReleasingTheArrowEndsTheRepeat) {
  scroll.setValorMax(2000000000);
  scroll.setValor(1000000000);
  bool solto = false;
  QTimer::singleShot(600, &cima(), [&] {
    emit cima().MouseUp(1, 0, 0, 0);
    solto = true;
  });
  emit cima().MouseDown(1, 0, 0, 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return solto; }));
  const std::int32_t aoSoltar = scroll.Valor();
  EXPECT_LT(aoSoltar, 1000000000 - 1);  // it repeated
  EXPECT_GT(aoSoltar, 0);               // and stopped before the bound
  EXPECT_FALSE(scroll.Repetindo());
}

struct MovimentoSeta {
  const char* caso;
  int botao;
  double x, y;  // pixels on the held down arrow (21 x 16)
  bool segue;
};

void PrintTo(const MovimentoSeta& m, std::ostream* os) { *os << m.caso; }

class CScrollMovimento : public CScrollTest, public ::testing::WithParamInterface<MovimentoSeta> {};

TEST_P(CScrollMovimento, DraggingOffTheHeldArrowEndsTheRepeat) {
  const MovimentoSeta m = GetParam();
  emit baixo().MouseDown(1, 0, Twips(10), Twips(8));
  emit baixo().MouseMove(m.botao, 0, Twips(m.x), Twips(m.y));
  EXPECT_EQ(scroll.Repetindo(), m.segue);
  EXPECT_EQ(scroll.Valor(), 1);
}

INSTANTIATE_TEST_SUITE_P(Casos, CScrollMovimento,
                         ::testing::Values(MovimentoSeta{"within the arrow", 1, 20, 15, true},
                                           MovimentoSeta{"above it, onto the track", 1, 10, -1, false},
                                           MovimentoSeta{"off its side", 1, 21.5, 8, false},
                                           MovimentoSeta{"within, no button down", 0, 10, 8, false}));

TEST_F(CScrollTest, ADoubleClickOnAnArrowStepsOnceMoreWithinTheBounds) {
  scroll.setValor(99);
  QSignalSpy fins(&scroll, &CScroll::EndScroll);
  emit baixo().DblClick();
  EXPECT_EQ(scroll.Valor(), 100);
  emit baixo().DblClick();
  EXPECT_EQ(scroll.Valor(), 100);
  emit cima().DblClick();
  EXPECT_EQ(scroll.Valor(), 99);
  EXPECT_EQ(fins.count(), 2);
}

}  // namespace
