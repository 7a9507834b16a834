#pragma once

#include "PageEngine.h"

#include <QByteArray>
#include <QtGlobal>

#include <unistd.h>

// What Chromium needs to start in a test run: no sandbox when running as
// root, and no GPU without a display; then the engine settings the program
// makes. Call before the first web view is made; values already in the
// environment win.
inline void PrepareHeadlessWebEngine() {
  if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
  pageengine::prepare();
}
