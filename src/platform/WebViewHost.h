#pragma once

class QWidget;

// A window that will hold a page view. The view draws through the widget
// toolkit's GPU path, which a window takes on only when its native window is
// made: a window already shown when its first page view starts drawing is
// destroyed and made anew (it blinks, and the window manager sees a second
// window). Called on a top-level window before its first show, this makes
// its native window ready for page views from the start. Does nothing on a
// platform without that path (the offscreen and minimal ones).
namespace webview {

void prepareHostWindow(QWidget& window);

}  // namespace webview
