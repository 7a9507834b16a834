#include "frmSplash.h"

#include <QSignalSpy>

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

  // The close timer's tick is what closes it; the test shortens the timer
  // rather than wait its 2.5 s.
  QSignalSpy tique(&splash.tmrClose, &VbTimer::Timer);
  splash.tmrClose.setInterval(1);
  EXPECT_TRUE(splash.isVisible());
  ASSERT_TRUE(tique.wait(20000));
  EXPECT_FALSE(splash.isVisible());
}

TEST(frmSplash, OtherUnloadsGoThrough) {
  frmSplash splash;
  splash.show();
  EXPECT_TRUE(splash.Form_QueryUnload(frmSplash::ModoDescarga::Usuario));
  EXPECT_FALSE(splash.isVisible());
}
