#pragma once

#include "PageDocument.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <cstdint>
#include <functional>

// The program's web browser without its view: it navigates to pages (files
// of the program folder and of the user's style folder, as pageaccess
// allows), holds the page shown as a PageDocument, and reports navigation
// through its events. A view (WebView)
// shows the document and hands link clicks back through FollowLink.
//
// A navigation raises BeforeNavigate2 (whose handler may cancel it), then
// reads and parses the page at once and reports DocumentComplete later, from
// the event loop, never inside the call. Only the latest navigation
// completes. Addresses that leave the program (http, https, ftp, mailto, or
// any address given a target frame) are handed to the ExternalOpener instead,
// with no event; other schemes (javascript:, custom ones) are never loaded.
class WebBrowser final : public QObject {
  Q_OBJECT

 public:
  enum class ReadyState { Uninitialized, Loading, Complete };
  using ExternalOpener = std::function<void(const QUrl& address)>;

  // `openExternal` opens addresses outside the program (the user's web
  // browser); when empty they are only logged.
  explicit WebBrowser(ExternalOpener openExternal = {}, QObject* parent = nullptr);
  Q_DISABLE_COPY_MOVE(WebBrowser)

  // Goes to `address`: a program path ("\" or "/" separated; a "?" or "#"
  // part is not part of the file), a file: URL, "about:blank", or an address
  // outside the program. A page that is missing, cannot be read or may not
  // be shown (pageaccess) is replaced by a short message page (string table
  // 875 to 877), which still completes. `targetFrameName` not empty: the
  // address opens outside the program, as in a new window.
  void Navigate(const QString& address, const QString& targetFrameName = QString());

  // A link clicked in the page, its href exactly as written: resolved
  // against the page's folder when relative, then navigated to. Empty and
  // "#..." hrefs do nothing here (the view scrolls).
  void FollowLink(const QString& href);

  // Asks the view to print the page as it is now (PrintRequested).
  void Print();

  PageDocument& document() { return document_; }
  const PageDocument& document() const { return document_; }
  ReadyState readyState() const { return readyState_; }
  // The address of the page shown, as it was navigated to.
  QString locationURL() const { return location_; }
  // The URL relative references of the page resolve against: its folder,
  // or the program folder for a page with no file.
  QUrl baseUrl() const;

 signals:
  // Before a navigation starts; a handler sets `cancel` to stop it. Connect
  // directly (the flag is read back when the signal returns).
  void BeforeNavigate2(const QString& url, bool& cancel);
  void DocumentComplete(const QString& url);
  void PrintRequested();

 private:
  void loadFile(const QString& address);
  void load(const QString& address, const QString& filePath, const QString& html);

  ExternalOpener openExternal_;
  PageDocument document_;
  ReadyState readyState_ = ReadyState::Uninitialized;
  QString location_;
  QString filePath_;
  std::uint64_t navigation_ = 0;
};
