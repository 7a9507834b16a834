#include "Fonts.h"
#include "HeadlessWebEngine.h"
#include "ServidorX.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

// The desktop tests run on an X server and a window manager of their own,
// started here before the application connects; listing the tests needs
// neither.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  ServidorX servidor;
  QString erro;
  if (!servidor.inicia(erro)) {
    std::fprintf(stderr, "no desktop for the tests: %s\n", qPrintable(erro));
    return 1;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  PrepareHeadlessWebEngine();
  QApplication app(argc, argv);
  fonts::registerSubstitutions();
  return RUN_ALL_TESTS();
}
