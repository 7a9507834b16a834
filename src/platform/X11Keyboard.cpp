#include "X11Keyboard.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace x11 {

std::optional<std::uint32_t> unshiftedKeysym(std::uint32_t keycode) {
  auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  // The offscreen platform may answer for X11 with no connection at all.
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr || keycode == 0 || keycode > 255) return std::nullopt;
  const auto cookie = xcb_get_keyboard_mapping(connection, static_cast<xcb_keycode_t>(keycode), 1);
  const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> reply(
      xcb_get_keyboard_mapping_reply(connection, cookie, nullptr), &std::free);
  if (!reply || reply->keysyms_per_keycode == 0) return std::nullopt;
  const xcb_keysym_t symbol = xcb_get_keyboard_mapping_keysyms(reply.get())[0];
  if (symbol == 0) return std::nullopt;
  return symbol;
}

}  // namespace x11
