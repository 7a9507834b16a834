#pragma once

#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <cstdint>

class GuardedPage;
class PagePrinter;
class WebBrowser;
struct PageChanges;

// Shows a WebBrowser's page. A page navigated to is loaded whole: the
// document as serialized, with the page's folder as base URL. After that
// only what changed reaches the engine: the changed elements' content or
// attributes (PageDocument::takeChanges), made in the loaded page through
// the view's own script world (GuardedPage). They go once the program has
// nothing more to do (the event loop is about to wait), so a routine that
// yields while it writes the page is shown in one batch and one frame.
// Batches run in the page in the order they are sent, each refused by any
// page but the one it was meant for; a change the page cannot take loads
// it whole again, and changes made while a page loads wait for it, so the
// page shown always ends as the document is. Link clicks go back to the
// browser exactly as written (WebBrowser::FollowLink). Print requests print
// the page as it was when asked (PagePrinter).
class WebView final : public QWebEngineView {
  Q_OBJECT

 public:
  // `browser` must outlive the view.
  explicit WebView(WebBrowser& browser, QWidget* parent = nullptr);
  Q_DISABLE_COPY_MOVE(WebView)

 signals:
  // The page shown is the document as it is now, and the engine has drawn
  // it (laid out, painted and handed the frame to its compositor). False:
  // the page could not be loaded; the next change tries again.
  void Rendered(bool ok);

 private:
  void documentChanged();
  void scheduleRender();
  void renderIfPending();
  void render();
  void load();
  void update(PageChanges changes);
  void loadFinished(bool ok);
  void updated(std::uint64_t load, bool applied);
  void painted(std::uint64_t step);
  void reportIfShown();

  // The longest a change waits for the program to be idle, in milliseconds.
  static constexpr int kLongestWait = 10;

  WebBrowser& browser_;
  GuardedPage* page_;     // owned by this view (Qt parent)
  PagePrinter* printer_;  // owned by this view (Qt parent)
  bool renderPending_ = false;
  QTimer fallback_;  // renders when the program has not been idle for kLongestWait
  bool changed_ = false;     // the document changed since the view took its changes
  bool loadNeeded_ = true;   // nothing loaded yet, or the page shown cannot be brought up to date
  bool loading_ = false;     // a load is under way
  int batches_ = 0;          // batches sent to the page loaded last and not answered yet
  std::uint64_t loads_ = 0;  // loads started: the number of the page loaded last
  std::uint64_t step_ = 0;   // loads and batches sent: the number of the last one
  std::uint64_t painted_ = 0;   // the last step the page reported drawn
  std::uint64_t reported_ = 0;  // the last step Rendered was emitted for
  QUrl shownBase_;
};
