#include "PageEngine.h"

#include <QList>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtGlobal>

#include <algorithm>

#include <unistd.h>

namespace pageengine {
namespace {

// One page process for every view (the page, the preview, the printout).
// No zygote waiting for processes without a sandbox: the engine runs its
// graphics and network inside the program, so none comes, and one that did
// would be started directly. A script engine that interprets the program's
// few lines of script rather than compiling them.
constexpr const char* kSwitches[] = {
    "--renderer-process-limit=1",
    "--no-unsandboxed-zygote",
    "--js-flags=--lite-mode",
};

QByteArray switchName(const QByteArray& flag) {
  const qsizetype equals = flag.indexOf('=');
  return equals < 0 ? flag : flag.left(equals);
}

QList<QByteArray> flagList(const QByteArray& flags) {
  QList<QByteArray> list = flags.simplified().split(' ');
  list.removeAll(QByteArray());
  return list;
}

QList<QByteArray> switchNames(const QList<QByteArray>& flags) {
  QList<QByteArray> names;
  for (const QByteArray& flag : flags) names.append(switchName(flag));
  return names;
}

// Whether `flags` hold the switch `bare` (its name without dashes): Chromium
// takes a switch with one dash or two.
bool hasSwitch(const QByteArray& flags, QByteArrayView bare) {
  const QList<QByteArray> names = switchNames(flagList(flags));
  return std::any_of(names.begin(), names.end(), [bare](const QByteArray& name) {
    qsizetype dashes = 0;
    while (dashes < name.size() && name[dashes] == '-') ++dashes;
    return dashes > 0 && dashes <= 2 && name.mid(dashes) == bare;
  });
}

}  // namespace

QByteArray chromiumFlags(const QByteArray& given) {
  QList<QByteArray> flags = flagList(given);
  const QList<QByteArray> names = switchNames(flags);
  for (const char* own : kSwitches) {
    const QByteArray flag(own);
    if (!names.contains(switchName(flag))) flags.append(flag);
  }
  return flags.join(' ');
}

void prepare() {
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", chromiumFlags(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS")));
  // Software drawing tells the engine to leave the graphics card alone too.
  // Without an OpenGL integration the engine's start makes no OpenGL context
  // either, so no driver (tens of megabytes) is loaded for nothing.
  if (QQuickWindow::sceneGraphBackend() != u"software") {
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
  }
  if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) qputenv("QT_XCB_GL_INTEGRATION", "none");
}

bool refusesToStart(unsigned euid, bool sandboxDisabled, const QByteArray& flags) {
  return euid == 0 && !sandboxDisabled && !hasSwitch(flags, "no-sandbox");
}

bool refusesToStart() {
  return refusesToStart(::geteuid(), qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"),
                        qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"));
}

}  // namespace pageengine
