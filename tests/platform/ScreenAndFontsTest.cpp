#include "Fonts.h"
#include "WindowScreen.h"

#include <QCursor>
#include <QFontInfo>
#include <QWidget>

#include <gtest/gtest.h>

TEST(Fonts, DesignFontsResolveToTheirInstalledMetricAlikes) {
  fonts::registerSubstitutions();
  fonts::registerSubstitutions();  // a second call changes nothing
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Verdana"))).family(), QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
}

TEST(QtWindowScreen, ReportsTheTopLevelWindowsRectangleForAnyChild) {
  QWidget window;
  window.setGeometry(120, 80, 300, 200);
  QWidget child(&window);
  window.show();
  const QtWindowScreen screen(child);
  EXPECT_EQ(screen.windowRect(), window.frameGeometry());
  EXPECT_EQ(screen.cursorPos(), QCursor::pos());
}
