#include "CEscolheLetra.h"

#include "ResourceImages.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class EscolheLetra : public ::testing::Test {
 protected:
  EscolheLetra() {
    img.resize(247, 38);
    picker.Inicializa(img, back);
  }

  // A pixel of a letter's cell beside the letter (the cell's own look), in
  // the back buffer and in a bitmap.
  static QPoint Meio(char letra) {
    const int i = letra - 'A';
    return QPoint((i % 13) * 19 + 3, (i / 13) * 19 + 9);
  }
  QRgb NoBuffer(char letra) { return back.surface().image().pixel(Meio(letra)); }
  static QRgb NoBitmap(int id, char letra) { return res::LoadResPicture(id).pixel(Meio(letra)); }

  void Move(double x, double y) { emit img.MouseMove(0, 0, x * twips::perPixelX(), y * twips::perPixelY()); }
  void Solta(double x, double y) { emit img.MouseUp(1, 0, x * twips::perPixelX(), y * twips::perPixelY()); }

  PictureBox img;
  PictureBox back;
  CEscolheLetra picker;
};

TEST_F(EscolheLetra, TheBitmapsHoldTwoRowsOfThirteenCells) {
  for (int id : {401, 402, 403}) {
    EXPECT_EQ(res::LoadResPicture(id).size(), QSize(247, 38)) << id;
  }
  EXPECT_NE(NoBitmap(401, 'S'), NoBitmap(402, 'S'));
  EXPECT_NE(NoBitmap(401, 'S'), NoBitmap(403, 'S'));
}

TEST(EscolheLetraAcerto, ThePointerNamesTheLetterOfItsCell) {
  const struct {
    double x, y;
    char letra;
  } casos[] = {{0, 0, 'A'}, {246, 37, 'Z'}, {100, 20, 'S'}, {18.9, 18.9, 'A'}, {19, 0, 'B'},
               {0, 19, 'N'}, {246, 0, 'M'}, {-1, 0, 0},     {247, 0, 0},      {0, 38, 0}};
  for (const auto& c : casos) {
    EXPECT_EQ(CEscolheLetra::LetraEm(c.x, c.y), c.letra ? QChar(c.letra) : QChar()) << c.x << ", " << c.y;
  }
}

TEST_F(EscolheLetra, AClickSelectsTheLetterClearsTheHoverAndReportsIt) {
  QSignalSpy letras(&picker, &CEscolheLetra::SelecionaLetra);
  Move(100, 20);
  EXPECT_EQ(NoBuffer('S'), NoBitmap(403, 'S'));
  Solta(100, 20);
  ASSERT_EQ(letras.count(), 1);
  EXPECT_EQ(letras[0][0].toString(), QStringLiteral("S"));
  EXPECT_EQ(picker.LetraSelecionada(), QChar('S'));
  EXPECT_EQ(NoBuffer('S'), NoBitmap(402, 'S'));
  EXPECT_EQ(img.surface().image().pixel(Meio('S')), NoBitmap(402, 'S'));  // shown
  Solta(100, 20);  // the selected letter again: reported again
  EXPECT_EQ(letras.count(), 2);
}

TEST_F(EscolheLetra, AReleaseOutsideTheCellsChangesNothing) {
  picker.MarcaLetra(QStringLiteral("C"));
  QSignalSpy letras(&picker, &CEscolheLetra::SelecionaLetra);
  Solta(300, 10);
  EXPECT_EQ(letras.count(), 0);
  EXPECT_EQ(picker.LetraSelecionada(), QChar('C'));
}

TEST_F(EscolheLetra, SelectingFromCodeRaisesNothingAndMarksOnlyLetters) {
  QSignalSpy letras(&picker, &CEscolheLetra::SelecionaLetra);
  picker.MarcaLetra(QStringLiteral("Abacate"));
  EXPECT_EQ(NoBuffer('A'), NoBitmap(402, 'A'));
  picker.MarcaLetra(QString());
  EXPECT_EQ(picker.LetraSelecionada(), QChar());
  EXPECT_EQ(NoBuffer('A'), NoBitmap(401, 'A'));
  picker.MarcaLetra(QStringLiteral("1"));
  EXPECT_EQ(picker.LetraSelecionada(), QChar());
  EXPECT_EQ(back.surface().image(), res::LoadResPicture(401).convertToFormat(back.surface().image().format()));
  EXPECT_EQ(letras.count(), 0);
}

TEST_F(EscolheLetra, FocusLossClearsTheHoverButKeepsTheSelection) {
  picker.MarcaLetra(QStringLiteral("M"));
  Move(30, 30);  // "O"
  EXPECT_EQ(NoBuffer('O'), NoBitmap(403, 'O'));
  emit img.LostFocus();
  EXPECT_EQ(NoBuffer('O'), NoBitmap(401, 'O'));
  EXPECT_EQ(NoBuffer('M'), NoBitmap(402, 'M'));
}

// The box never takes the focus: leaving it is what clears the hover mark.
TEST_F(EscolheLetra, ThePointerLeavingTheBoxClearsTheHoverButKeepsTheSelection) {
  picker.MarcaLetra(QStringLiteral("M"));
  Move(30, 30);  // "O"
  QEvent saida(QEvent::Leave);
  QCoreApplication::sendEvent(&img, &saida);
  EXPECT_EQ(NoBuffer('O'), NoBitmap(401, 'O'));
  EXPECT_EQ(NoBuffer('M'), NoBitmap(402, 'M'));
}

TEST_F(EscolheLetra, MovingOntoTheSelectedLetterLeavesTheLastHoverMark) {
  picker.MarcaLetra(QStringLiteral("B"));
  Move(5, 5);  // "A"
  Move(25, 5);  // "B", the selected one: no redraw
  EXPECT_EQ(NoBuffer('A'), NoBitmap(403, 'A'));
  picker.LimparDestaque();
  EXPECT_EQ(NoBuffer('A'), NoBitmap(401, 'A'));
  picker.LimparSelecao();
  EXPECT_EQ(NoBuffer('B'), NoBitmap(401, 'B'));
}

}  // namespace
