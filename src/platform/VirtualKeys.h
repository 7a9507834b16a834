#pragma once

class QKeyEvent;

// Key codes as the program's key handlers take them: the virtual-key codes
// of the classic toolkit (13 Enter, 33/34 Page Up/Down, 37-40 the arrows,
// 48-57 the digits, 65-90 the letters, 112-123 F1-F12, 186-222 the
// punctuation keys), and the shift state (1 Shift, 2 Ctrl, 4 Alt).
namespace vk {

inline constexpr int Enter = 13;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int F5 = 116;

// The code of the key pressed or released, by the key and not by the
// character it types with Shift held (Shift+1 is 49, with shift state 1). A
// key without a code of its own (an accented letter on its own key, say)
// gets a code above 90, as the national keys of a keyboard have.
int keyCode(const QKeyEvent& event);

// 1 Shift, 2 Ctrl, 4 Alt, added.
int shiftState(const QKeyEvent& event);

}  // namespace vk
