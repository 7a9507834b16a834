#pragma once

class QWidget;

// Keeping a window above the program's other windows.
namespace stacking {

// Keeps the shown top-level `window` above every other window of the
// program, even one that covers the whole screen. Qt's stays-on-top hint puts
// it in the window manager's upper layer, but a manager may lift a focused
// borderless window that fills the screen above that layer (openbox does).
// On X11 the window is also made transient for the program's whole window
// group (WM_TRANSIENT_FOR set to the root window, as the conventions of X
// have it), and managers keep a group's transients above its windows. Call
// after each show: Qt writes its own value when it maps the window.
// Elsewhere nothing more is done.
void keepAboveProgramWindows(QWidget& window);

// Puts the top-level `window` before the user: out of the minimised state
// (with the size and place it had), shown, above the other windows and
// active.
void bringToFront(QWidget& window);

}  // namespace stacking
