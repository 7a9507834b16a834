#include "WebView.h"

#include "GuardedPage.h"
#include "PageChanges.h"
#include "PagePrinter.h"
#include "WebBrowser.h"

#include <QAbstractEventDispatcher>
#include <QPointer>
#include <QWebEngineHistory>

WebView::WebView(WebBrowser& browser, QWidget* parent)
    : QWebEngineView(parent),
      browser_(browser),
      page_(new GuardedPage(guardedProfile(), this)),
      printer_(new PagePrinter(this)) {
  setPage(page_);
  setContextMenuPolicy(Qt::NoContextMenu);
  fallback_.setSingleShot(true);
  fallback_.setInterval(kLongestWait);
  connect(&fallback_, &QTimer::timeout, this, &WebView::render);
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          &WebView::renderIfPending);
  connect(&browser_.document(), &PageDocument::changed, this, &WebView::documentChanged);
  connect(&browser_, &WebBrowser::DocumentComplete, this, &WebView::scheduleRender);
  connect(page_, &GuardedPage::LinkClicked, &browser_, &WebBrowser::FollowLink);
  connect(page_, &QWebEnginePage::loadFinished, this, &WebView::loadFinished);
  connect(page_, &GuardedPage::Painted, this, &WebView::painted);
  connect(page_, &QWebEnginePage::renderProcessTerminated, this, [this] {
    // What the engine held is gone, and the answers still due with it.
    loading_ = false;
    loadNeeded_ = true;
    scheduleRender();
  });
  connect(&browser_, &WebBrowser::PrintRequested, this,
          [this] { printer_->Print(browser_.document().toHtml(), browser_.baseUrl()); });
  scheduleRender();
}

void WebView::documentChanged() {
  changed_ = true;
  scheduleRender();
}

// When the program has nothing more to do (the event loop is about to
// wait), so a routine that yields while it changes the page sends its
// changes at its end, in one batch and one frame; at the latest after
// kLongestWait, for a program that never waits.
void WebView::scheduleRender() {
  if (renderPending_) return;
  renderPending_ = true;
  fallback_.start();
}

void WebView::renderIfPending() {
  if (renderPending_) render();
}

void WebView::render() {
  renderPending_ = false;
  fallback_.stop();
  // Changes sent before the page is in would reach the one it replaces;
  // the load's end renders again.
  if (loading_) return;
  if (browser_.readyState() != WebBrowser::ReadyState::Complete) return;
  // A page navigated to is loaded anew even when its text is the same: the
  // files it links (its style sheet) may have changed.
  if (loadNeeded_ || browser_.document().pageReplaced() || browser_.baseUrl() != shownBase_) return load();
  if (!changed_) return;
  changed_ = false;
  PageChanges changes = browser_.document().takeChanges();
  if (changes.wholePage) return load();
  if (!changes.changes.empty()) update(std::move(changes));
}

void WebView::load() {
  browser_.document().takeChanges();  // all of them are in the page loaded
  changed_ = false;
  loadNeeded_ = false;
  loading_ = true;
  batches_ = 0;  // their answers come from the page replaced, and are dropped
  ++loads_;
  ++step_;
  shownBase_ = browser_.baseUrl();
  page_->LoadShown(browser_.document().toHtml(), shownBase_);
}

void WebView::update(PageChanges changes) {
  ++batches_;
  ++step_;
  const QPointer<WebView> self(this);
  page_->ApplyChanges(loads_, changes.changes, step_, [self, load = loads_](bool applied) {
    if (self) self->updated(load, applied);
  });
}

void WebView::loadFinished(bool ok) {
  if (!loading_) return;  // not a load of this view's
  loading_ = false;
  page_->history()->clear();  // every page is a load; there is nothing to go back to
  if (!ok) {
    loadNeeded_ = true;
    emit Rendered(false);
    if (changed_) scheduleRender();
    return;
  }
  page_->Loaded(loads_);
  // Changes made while the page loaded go now and report their frame; with
  // none, the page reports its first one.
  const std::uint64_t loaded = step_;
  render();
  if (step_ == loaded) page_->ReportPainted(step_);
}

void WebView::updated(std::uint64_t load, bool applied) {
  if (load != loads_) return;  // meant for a page since replaced
  --batches_;
  if (!applied) {
    loadNeeded_ = true;
    return render();
  }
  reportIfShown();
}

void WebView::painted(std::uint64_t step) {
  painted_ = step;
  reportIfShown();
}

void WebView::reportIfShown() {
  const bool current = painted_ == step_ && !loading_ && batches_ == 0 && !changed_ && !loadNeeded_;
  if (!current || reported_ == step_) return;
  reported_ = step_;
  emit Rendered(true);
}
