#include "WindowDrag.h"

#include <QWindow>

namespace {

QWindow* nativeWindow(QWidget& window) {
  QWidget* top = window.window();
  return top != nullptr ? top->windowHandle() : nullptr;
}

}  // namespace

bool QtWindowDrag::startMove(QWidget& window) {
  QWindow* handle = nativeWindow(window);
  return handle != nullptr && handle->startSystemMove();
}

bool QtWindowDrag::startResize(QWidget& window, Qt::Edges edges) {
  QWindow* handle = nativeWindow(window);
  return handle != nullptr && handle->startSystemResize(edges);
}
