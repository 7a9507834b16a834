#pragma once

#include <QUrl>

// Hands an address outside the program to the user's web browser, as a
// link or menu item that leads to a web site must. Components are given an
// IWebOpener, so tests say whether a browser takes the address.
class IWebOpener {
 public:
  virtual ~IWebOpener() = default;

  // Asks the desktop to show `address` in the user's web browser; false
  // when there is no browser to take it.
  virtual bool open(const QUrl& address) = 0;
};

// Over QDesktopServices: the desktop's own opener (xdg-open), else a web
// browser the toolkit finds by name or through $BROWSER.
class QtWebOpener final : public IWebOpener {
 public:
  bool open(const QUrl& address) override;
};
