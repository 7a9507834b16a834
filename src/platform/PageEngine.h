#pragma once

#include <QByteArray>

// Settings of the page engine as a whole (Qt WebEngine and the Chromium
// under it), made once for every page view of the program. The pages are
// the program's own small documents: they need no graphics card, no
// compiled script and only one page process, and the engine's defaults for
// all three cost more memory than everything else the program does.
namespace pageengine {

// The engine's command line: `given` (the user's or the tests', as
// QTWEBENGINE_CHROMIUM_FLAGS holds it) followed by the program's own
// switches, each left out when `given` already names that switch.
QByteArray chromiumFlags(const QByteArray& given);

// Puts chromiumFlags into QTWEBENGINE_CHROMIUM_FLAGS and has pages drawn in
// software, without an OpenGL context. Call before the first page view is
// made; in the program, before the QApplication, so that no OpenGL driver
// is loaded at all.
void prepare();

// Whether the engine would refuse to start, ending the whole program at once
// and without a window. Chromium refuses the superuser (effective user id
// `euid` 0) while its sandbox is on; QTWEBENGINE_DISABLE_SANDBOX set to any
// value (`sandboxDisabled`) or the switch --no-sandbox among `flags` (as
// QTWEBENGINE_CHROMIUM_FLAGS holds them) turns it off.
bool refusesToStart(unsigned euid, bool sandboxDisabled, const QByteArray& flags);
// The same for this process and its environment.
bool refusesToStart();

}  // namespace pageengine
