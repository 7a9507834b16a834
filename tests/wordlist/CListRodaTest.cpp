#include "ListaFixture.h"
#include "Numbers.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>

namespace {

// The wheel over a word list and its scroll bar, as the window system
// delivers it: to the control under the pointer, passed on to the list.
class Roda : public ListaFixture {
 protected:
  Roda() { ListaECarrega(QStringLiteral("b"), -1); }  // 1000 rows, 25 a page
  ~Roda() override { QApplication::setWheelScrollLines(linhasDesktop_); }

  static void Gira(QWidget& alvo, QPoint angulo, QPoint pixels = QPoint()) {
    const QPointF ponto(alvo.width() / 2.0, alvo.height() / 2.0);
    QWheelEvent evento(ponto, alvo.mapToGlobal(ponto), pixels, angulo, Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
    // As from the window system, which passes it on to the parents
    // (sendEvent would deliver it to `alvo` alone).
    QSpontaneKeyEvent::setSpontaneous(&evento);
    qApp->notify(&alvo, &evento);
  }
  static void Entalhes(QWidget& alvo, int n) {
    for (int i = 0; i < std::abs(n); ++i) Gira(alvo, QPoint(0, n > 0 ? -120 : 120));
  }

  // The thumb's top for a value, as the bar places it.
  int TopoBarra(int valor) const {
    const ImageControl* cima = lista.imagemScroll(2);
    const double borda = cima->y() + cima->height();
    return num::roundEven(borda + lista.scroll().Curso() * valor / lista.scroll().ValorMax());
  }

 private:
  const int linhasDesktop_ = QApplication::wheelScrollLines();
};

class RodaSobre : public Roda, public ::testing::WithParamInterface<int> {
 protected:
  // 0 the rows, 1 to 4 the thumb, the up arrow, the down arrow, the track.
  QWidget& Alvo() { return GetParam() == 0 ? static_cast<QWidget&>(fundo) : *lista.imagemScroll(GetParam()); }
};

TEST_P(RodaSobre, ThreeNotchesScrollThreeTimesTheDesktopsRowsAndBack) {
  QApplication::setWheelScrollLines(3);
  QSignalSpy fins(&lista.scroll(), &CScroll::EndScroll);
  const QImage antes = lista.buffer().image();
  Entalhes(Alvo(), 3);
  EXPECT_EQ(lista.scroll().Valor(), 9);
  ASSERT_EQ(fins.count(), 3);
  EXPECT_EQ(fins[2][0].toInt(), 9);
  EXPECT_EQ(lista.imagemScroll(1)->y(), TopoBarra(9));
  EXPECT_NE(lista.buffer().image(), antes);  // the rows were drawn again from row 9
  EXPECT_EQ(lista.IndiceSelecionado(), 0);   // the selection stays
  Entalhes(Alvo(), -3);
  EXPECT_EQ(lista.scroll().Valor(), 0);
  EXPECT_EQ(lista.imagemScroll(1)->y(), TopoBarra(0));
}

INSTANTIATE_TEST_SUITE_P(RowsAndBar, RodaSobre, ::testing::Range(0, 5));

TEST_F(Roda, TheDesktopsSettingGivesTheRowsANotch) {
  QApplication::setWheelScrollLines(1);
  Entalhes(fundo, 2);
  EXPECT_EQ(lista.scroll().Valor(), 2);
  QApplication::setWheelScrollLines(7);
  Entalhes(fundo, 1);
  EXPECT_EQ(lista.scroll().Valor(), 9);
}

TEST_F(Roda, PartsOfANotchAndPixelsAddUpToWholeRows) {
  QApplication::setWheelScrollLines(3);
  for (int i = 0; i < 8; ++i) Gira(fundo, QPoint(0, -15));  // a smooth wheel: a notch in eighths
  EXPECT_EQ(lista.scroll().Valor(), 3);
  const int altura = static_cast<int>(std::ceil(lista.AlturaLinha()));
  QSignalSpy fins(&lista.scroll(), &CScroll::EndScroll);
  Gira(fundo, QPoint(0, -altura / 2), QPoint(0, -altura / 2));  // half a row of pixels
  EXPECT_EQ(fins.count(), 0);
  Gira(fundo, QPoint(0, -altura), QPoint(0, -altura));
  EXPECT_EQ(lista.scroll().Valor(), 4);
  EXPECT_EQ(fins.count(), 1);
}

TEST_F(Roda, TheWheelStopsAtTheListsEnds) {
  QApplication::setWheelScrollLines(3);
  QSignalSpy fins(&lista.scroll(), &CScroll::EndScroll);
  Entalhes(fundo, -1);
  EXPECT_EQ(lista.scroll().Valor(), 0);
  EXPECT_EQ(fins.count(), 0);  // already at the start: nothing to redraw
  const std::int32_t maximo = lista.scroll().ValorMax();
  ASSERT_EQ(maximo, 1000 - 1 - 25);
  lista.scroll().setValor(maximo - 2);
  Entalhes(fundo, 2);
  EXPECT_EQ(lista.scroll().Valor(), maximo);
  EXPECT_EQ(fins.count(), 1);
  EXPECT_EQ(lista.imagemScroll(1)->y(), TopoBarra(maximo));
  Entalhes(fundo, -1);  // back up at once: nothing was held over at the end
  EXPECT_EQ(lista.scroll().Valor(), maximo - 3);
}

TEST_F(Roda, AListThatFitsItsPageDoesNotScroll) {
  ListaECarrega(QStringLiteral("e"), -1);  // 10 rows
  Entalhes(fundo, 3);
  EXPECT_EQ(lista.scroll().Valor(), 0);
}

// A click on the rows or on the scroll bar gives the list the focus.
TEST_F(Roda, AClickOnTheRowsOrTheBarGivesTheListTheFocus) {
  QLineEdit campo(&form);
  form.resize(300, 800);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  for (QWidget* alvo : {static_cast<QWidget*>(&fundo), static_cast<QWidget*>(lista.imagemScroll(4))}) {
    campo.setFocus();
    ASSERT_TRUE(campo.hasFocus());
    QTest::mouseClick(alvo, Qt::LeftButton, {}, QPoint(alvo->width() / 2, alvo->height() / 2));
    EXPECT_TRUE(fundo.hasFocus()) << alvo->objectName().toStdString();
  }
}

}  // namespace
