#include "WebViewHost.h"

#include <QGuiApplication>
#include <QOpenGLWidget>
#include <QQuickWindow>

namespace webview {

void prepareHostWindow(QWidget& window) {
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return;
  // Pages drawn in software (PageEngine) take no GPU path, and the window
  // may have no OpenGL at all.
  if (QQuickWindow::sceneGraphBackend() == u"software") return;
  // A hidden texture-drawn child is what tells the toolkit, when the native
  // window is made, that the window draws through the GPU path.
  auto* mark = new QOpenGLWidget(&window);  // owned by the window
  mark->setObjectName(QStringLiteral("webViewHostMark"));
  mark->setGeometry(0, 0, 0, 0);
  mark->hide();
}

}  // namespace webview
