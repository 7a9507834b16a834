#include "VirtualKeys.h"

#include "X11Keyboard.h"

#include <QKeyEvent>

#include <unordered_map>

namespace vk {
namespace {

// Codes given to keys a national keyboard has beside the letters.
constexpr int kOem = 0xBA;  // the first of the punctuation keys

const std::unordered_map<int, int>& fixedCodes() {
  static const std::unordered_map<int, int> codes = {
      {Qt::Key_Backspace, 8},   {Qt::Key_Tab, 9},        {Qt::Key_Backtab, 9},     {Qt::Key_Return, Enter},
      {Qt::Key_Enter, Enter},   {Qt::Key_Shift, 16},     {Qt::Key_Control, 17},    {Qt::Key_Alt, 18},
      {Qt::Key_AltGr, 18},      {Qt::Key_Pause, 19},     {Qt::Key_CapsLock, 20},   {Qt::Key_Escape, 27},
      {Qt::Key_Space, 32},      {Qt::Key_PageUp, PageUp}, {Qt::Key_PageDown, PageDown}, {Qt::Key_End, 35},
      {Qt::Key_Home, 36},       {Qt::Key_Left, Left},    {Qt::Key_Up, Up},         {Qt::Key_Right, Right},
      {Qt::Key_Down, Down},     {Qt::Key_Print, 44},     {Qt::Key_Insert, 45},     {Qt::Key_Delete, 46},
      {Qt::Key_Meta, 91},       {Qt::Key_Menu, 93},      {Qt::Key_NumLock, 144},   {Qt::Key_ScrollLock, 145},
      {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},    {Qt::Key_Equal, 187},     {Qt::Key_Plus, 187},
      {Qt::Key_Comma, 188},     {Qt::Key_Less, 188},     {Qt::Key_Minus, 189},     {Qt::Key_Underscore, 189},
      {Qt::Key_Period, 190},    {Qt::Key_Greater, 190},  {Qt::Key_Slash, 191},     {Qt::Key_Question, 191},
      {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
      {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},      {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
      {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
  };
  return codes;
}

// The key as the keyboard has it, not the character Shift makes of it
// (Shift+1 is the 1 key): on X11 the key's unshifted symbol says which key it
// is, and a Latin-1 symbol is the Qt key of the same code, letters upper-cased.
// Elsewhere the key Qt reports.
int baseKey(const QKeyEvent& event) {
  const auto symbol = x11::unshiftedKeysym(event.nativeScanCode());
  if (symbol && *symbol >= 0x20 && *symbol <= 0xFF && *symbol != 0x7F) {
    return QChar(static_cast<char16_t>(*symbol)).toUpper().unicode();
  }
  return event.key();
}

}  // namespace

int keyCode(const QKeyEvent& event) {
  const int key = baseKey(event);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // 65-90 as in ASCII
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    return (event.modifiers() & Qt::KeypadModifier) ? 96 + (key - Qt::Key_0) : key;
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
  const auto found = fixedCodes().find(key);
  if (found != fixedCodes().end()) return found->second;
  return key == 0 ? 0 : kOem;  // accented letters and other national keys
}

int shiftState(const QKeyEvent& event) {
  const Qt::KeyboardModifiers m = event.modifiers();
  return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) | ((m & Qt::AltModifier) ? 4 : 0);
}

}  // namespace vk
