#pragma once

class QWidget;

// A window that will hold a page view. A view that draws through the widget
// toolkit's GPU path needs a window that took that path on when its native
// window was made: a window already shown when its first page view starts
// drawing is destroyed and made anew (it blinks, and the window manager
// sees a second window). Called on a top-level window before its first
// show, this makes its native window ready for page views from the start.
// Does nothing where the views draw in software (the program's pages, see
// PageEngine) or on a platform without that path (the offscreen and minimal
// ones).
namespace webview {

void prepareHostWindow(QWidget& window);

}  // namespace webview
