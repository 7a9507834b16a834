#include "FakeScreen.h"
#include "Fonts.h"
#include "WindowScreen.h"

#include <QFontInfo>
#include <QWidget>

#include <gtest/gtest.h>

TEST(Fonts, DesignFontsResolveToTheirInstalledMetricAlikes) {
  fonts::registerSubstitutions();
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Verdana"))).family(), QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
}

TEST(QtWindowScreen, ReportsTheTopLevelWindowOfAnyChildAndTheScreensPointer) {
  QWidget window;
  window.setGeometry(120, 80, 300, 200);
  QWidget child(&window);
  window.show();
  FakeScreen tela;
  tela.cursor = QPoint(333, 222);
  const QtWindowScreen screen(child, tela);
  EXPECT_EQ(screen.windowRect(), window.frameGeometry());
  EXPECT_EQ(screen.cursorPos(), QPoint(333, 222));
}
