// The mouse goes through the window, as the window system's does: a press
// holds the pointer for the pressed control until the release.
#define QTEST_QPA_MOUSE_HANDLING

#include "ListaFixture.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A word list's scroll arrows held down: the rows step as the list's surface
// shows them, one row per painted frame.
class Seta : public ListaFixture {
 protected:
  ImageControl& Baixo() const { return *lista.imagemScroll(3); }
  std::int32_t Topo() const { return lista.scroll().Valor(); }
  bool Mostra() {
    form.resize(300, 800);
    form.show();
    return QTest::qWaitForWindowExposed(&form);
  }
};

// The surface is never shown here, so the only frames are those the test
// paints.
TEST_F(Seta, AHeldArrowStepsOneRowPerPaintedFrameAndNoneWithoutOne) {
  ListaECarrega(QStringLiteral("b"), -1);  // 1000 rows
  int quadros = 0;
  int adiantados = 0;  // steps that came before the step before was painted
  QObject::connect(&lista.scroll(), &CScroll::EndScroll, &lista, [&](std::int32_t Valor) {
    if (Valor > quadros + 1) ++adiantados;
  });
  emit Baixo().MouseDown(1, 0, 0, 0);  // returns at once, having stepped once
  EXPECT_EQ(Topo(), 1);
  for (quadros = 1; quadros <= 5; ++quadros) {
    const QImage antes = lista.buffer().image();
    emit fundo.FramePainted();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Topo() == quadros + 1; }, 5000)) << "frame " << quadros;
    EXPECT_NE(lista.buffer().image(), antes);  // the rows were drawn from the new top
  }
  EXPECT_FALSE(QTest::qWaitFor([&] { return Topo() != 6; }, 300));  // held, but no frame
  emit Baixo().MouseUp(1, 0, 0, 0);
  emit fundo.FramePainted();
  QSignalSpy fins(&lista.scroll(), &CScroll::EndScroll);
  EXPECT_FALSE(fins.wait(100));  // released: no step, frame or not
  EXPECT_EQ(Topo(), 6);
  EXPECT_EQ(adiantados, 0);
}

// On screen the list's own paints drive the repeat, to the last page.
TEST_F(Seta, OnScreenAHeldArrowRunsTheRowsToTheEnd) {
  ListaECarrega(QStringLiteral("c"), -1);  // 40 rows: 15 tops
  ASSERT_TRUE(Mostra());
  const std::int32_t maximo = lista.scroll().ValorMax();
  ASSERT_EQ(maximo, 40 - 1 - 25);
  QTest::mousePress(&Baixo(), Qt::LeftButton, {}, QPoint(10, 8));
  EXPECT_EQ(Topo(), 1);  // the press has returned before any repeat
  ASSERT_TRUE(QTest::qWaitFor([&] { return Topo() == maximo; }, 10000));
  QTest::mouseRelease(&Baixo(), Qt::LeftButton, {}, QPoint(10, 8));
  EXPECT_EQ(lista.imagemScroll(1)->y(), Baixo().y() - lista.imagemScroll(1)->height());
}

TEST_F(Seta, DraggingThePointerOffTheHeldArrowEndsTheRepeat) {
  ListaECarrega(QStringLiteral("b"), -1);
  ASSERT_TRUE(Mostra());
  QTest::mousePress(&Baixo(), Qt::LeftButton, {}, QPoint(10, 8));
  ASSERT_TRUE(lista.scroll().Repetindo());
  QTest::mouseMove(&fundo, QPoint(100, 100));  // onto the rows, the button still down
  EXPECT_FALSE(lista.scroll().Repetindo());
  QTest::mouseRelease(&fundo, Qt::LeftButton, {}, QPoint(100, 100));
  EXPECT_EQ(Topo(), 1);
}

}  // namespace
