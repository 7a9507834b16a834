#pragma once

#include <QString>
#include <QUrl>
#include <QWebEngineView>

class GuardedPage;
class PagePrinter;
class WebBrowser;

// Shows a WebBrowser's page: the document as serialized, with the page's
// folder as base URL, shown anew after each change (one showing per turn of
// the event loop, however many changes the turn made). Link clicks go back
// to the browser exactly as written (WebBrowser::FollowLink). Print requests
// print the page as it was when asked (PagePrinter).
class WebView final : public QWebEngineView {
  Q_OBJECT

 public:
  // `browser` must outlive the view.
  explicit WebView(WebBrowser& browser, QWidget* parent = nullptr);
  Q_DISABLE_COPY_MOVE(WebView)

  // The HTML last handed to the engine (tests).
  const QString& shownHtml() const { return shownHtml_; }

 signals:
  // The engine finished showing the page handed to it last.
  void Rendered(bool ok);

 private:
  void scheduleRender();
  void render();

  WebBrowser& browser_;
  GuardedPage* page_;  // owned by this view (Qt parent)
  PagePrinter* printer_;  // owned by this view (Qt parent)
  bool renderPending_ = false;
  QString shownHtml_;
  QUrl shownBase_;
};
