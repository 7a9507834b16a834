#include "DrawingSurface.h"
#include "ImageControl.h"
#include "PictureBox.h"
#include "ResourceImages.h"
#include "VbTimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(DrawingSurface, BoxesIncludeBothCorners) {
  DrawingSurface s(40, 30);
  s.Line(5, 6, 10, 12, 0x1DCEFF, DrawingSurface::LineKind::FilledBox);
  const QRgb box = qRgb(0xFF, 0xCE, 0x1D);  // 0xBBGGRR
  EXPECT_EQ(s.image().pixel(5, 6), box);
  EXPECT_EQ(s.image().pixel(10, 12), box);
  EXPECT_EQ(s.image().pixel(11, 12), qRgb(255, 255, 255));
  s.Cls();
  s.Line(5, 6, 10, 12, 0x0000FF, DrawingSurface::LineKind::Box);
  EXPECT_EQ(s.image().pixel(10, 12), qRgb(255, 0, 0));
  EXPECT_EQ(s.image().pixel(7, 9), qRgb(255, 255, 255));  // inside stays clear
}

TEST(DrawingSurface, PrintMovesThePrintPosition) {
  DrawingSurface s(200, 100);
  s.setFontName(QStringLiteral("Verdana"));
  s.setFontSize(7.5);
  s.CurrentX = 20;
  s.CurrentY = 6;
  const double width = s.TextWidth(QStringLiteral("casa"));
  s.Print(QStringLiteral("casa"), true);
  EXPECT_DOUBLE_EQ(s.CurrentX, 20 + width);
  EXPECT_DOUBLE_EQ(s.CurrentY, 6);
  s.Print(QString());
  EXPECT_DOUBLE_EQ(s.CurrentX, 0);
  EXPECT_DOUBLE_EQ(s.CurrentY, 6 + s.TextHeight(QStringLiteral("W")));
}

TEST(VbTimer, EnablingTwiceDoesNotRestartButOffAndOnDoes) {
  VbTimer timer(nullptr, 80);
  QSignalSpy ticks(&timer, &VbTimer::Timer);
  QElapsedTimer clock;
  clock.start();
  timer.setEnabled(true);
  QTest::qWait(50);
  timer.setEnabled(true);  // no restart: the tick still comes about 80 ms after the start
  ASSERT_TRUE(ticks.wait(1000));
  const qint64 first = clock.elapsed();
  timer.setEnabled(false);
  timer.setEnabled(true);
  ASSERT_TRUE(ticks.wait(1000));
  EXPECT_GE(clock.elapsed() - first, 70);
  EXPECT_LT(first, 150);
}

TEST(PictureBox, ClickAfterReleaseAndDoubleClickInPlaceOfTheSecondPress) {
  PictureBox box;
  box.resize(50, 50);
  QSignalSpy down(&box, &VbControl::MouseDown);
  QSignalSpy clicks(&box, &VbControl::Click);
  QSignalSpy doubles(&box, &VbControl::DblClick);
  QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(10, 12));
  EXPECT_EQ(down.count(), 1);
  EXPECT_EQ(down[0][2].toDouble(), 10.0);
  EXPECT_EQ(clicks.count(), 1);
  QTest::mouseDClick(&box, Qt::LeftButton, {}, QPoint(10, 12));
  EXPECT_EQ(doubles.count(), 1);
}

TEST(PictureBox, ABoxResizedWhileHiddenDrawsAtItsNewSize) {
  PictureBox box;
  box.resize(247, 38);  // hidden: Qt holds the resize event back
  EXPECT_EQ(box.surface().width(), 247);
  EXPECT_EQ(box.surface().height(), 38);
}

TEST(ImageControl, LoadPictureKeepsTheSizeAndNamesWhatItShows) {
  ImageControl imagem;
  imagem.resize(40, 30);
  imagem.loadPicture(QStringLiteral("BTNFECHAR"));
  EXPECT_EQ(imagem.PictureName(), QStringLiteral("BTNFECHAR"));
  EXPECT_FALSE(imagem.Picture().isNull());
  EXPECT_EQ(imagem.size(), QSize(40, 30));

  imagem.loadPicture(QStringLiteral("NAOEXISTE"));  // no such bitmap: nothing shows
  EXPECT_TRUE(imagem.Picture().isNull());
  EXPECT_EQ(imagem.PictureName(), QStringLiteral("NAOEXISTE"));

  imagem.setPicture(QPixmap(4, 4));
  EXPECT_TRUE(imagem.PictureName().isEmpty());
}

// Every skin of the window's buttons is in the program, at its button's size.
TEST(ImageControl, TheProgramHoldsEverySkinOfTheWindowButtons) {
  const struct {
    const char* nome;
    QSize tamanho;
    bool comMenu;
  } botoes[] = {
      {"BTNARQUIVO", {43, 17}, true},     {"BTNAJUDA", {34, 18}, true},        {"BTNCASA", {26, 26}, false},
      {"BTNSETAESQUERDA", {26, 23}, false}, {"BTNSETADIREITA", {26, 23}, false}, {"BTNVISUAL1", {25, 25}, false},
      {"BTNVISUAL2", {25, 25}, false},    {"BTNVISUAL3", {25, 25}, false},     {"BTNPRINTER", {25, 25}, false},
      {"BTNLAPIS", {25, 25}, false},      {"BTNMINIMIZAR", {17, 17}, false},   {"BTNMAXIMIZAR", {17, 17}, false},
      {"BTNRESTAURAR", {17, 17}, false},  {"BTNFECHAR", {17, 17}, false},
  };
  for (const auto& b : botoes) {
    QStringList nomes{QString::fromLatin1(b.nome), QString::fromLatin1(b.nome) + QStringLiteral("SELECIONADO")};
    if (b.comMenu) nomes << QString::fromLatin1(b.nome) + QStringLiteral("MENU");
    for (const QString& nome : nomes) EXPECT_EQ(res::LoadResPicture(nome).size(), b.tamanho) << qPrintable(nome);
  }
  EXPECT_EQ(res::LoadResPicture(QStringLiteral("RESIZE")).size(), QSize(24, 23));
}
