#pragma once

#include <cstdint>
#include <optional>

// The X server's keyboard map, as far as the key handlers need it.
namespace x11 {

// The symbol that key `keycode` (an X key code, as QKeyEvent::nativeScanCode
// gives it) carries on its first level in its first group: what the key is,
// whatever Shift, or another layout, makes it type. Empty when the program
// does not run on X11 or the key has no symbol.
std::optional<std::uint32_t> unshiftedKeysym(std::uint32_t keycode);

}  // namespace x11
