#include "frmSplash.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(frmSplash, RefusesTheFirstUnloadFromCodeAndClosesLater) {
  frmSplash splash;
  splash.show();
  EXPECT_EQ(splash.size(), QSize(400, 293));
  EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(splash.lblSplash.pos(), QPoint(280, 270));
  EXPECT_TRUE(splash.lblSplash.text().startsWith(QStringLiteral("V ")));

  EXPECT_FALSE(splash.Form_QueryUnload(frmSplash::ModoDescarga::Codigo));
  EXPECT_TRUE(splash.isVisible());
  EXPECT_TRUE(splash.tmrClose.Enabled());
  EXPECT_EQ(splash.tmrClose.Interval(), 2500);
  QTest::qWait(2000);
  EXPECT_TRUE(splash.isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !splash.isVisible(); }, 1500));
}

TEST(frmSplash, OtherUnloadsGoThrough) {
  frmSplash splash;
  splash.show();
  EXPECT_TRUE(splash.Form_QueryUnload(frmSplash::ModoDescarga::Usuario));
  EXPECT_FALSE(splash.isVisible());
}
