#include "WebView.h"

#include "GuardedPage.h"
#include "PagePrinter.h"
#include "WebBrowser.h"

#include <QTimer>
#include <QWebEngineHistory>

WebView::WebView(WebBrowser& browser, QWidget* parent)
    : QWebEngineView(parent),
      browser_(browser),
      page_(new GuardedPage(guardedProfile(), this)),
      printer_(new PagePrinter(this)) {
  setPage(page_);
  setContextMenuPolicy(Qt::NoContextMenu);
  connect(&browser_.document(), &PageDocument::changed, this, &WebView::scheduleRender);
  // A page navigated to is shown anew even when its text is the same: the
  // files it links (its style sheet) may have changed.
  connect(&browser_, &WebBrowser::DocumentComplete, this, [this] {
    shownHtml_.clear();
    scheduleRender();
  });
  connect(page_, &GuardedPage::LinkClicked, &browser_, &WebBrowser::FollowLink);
  connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
    page_->history()->clear();  // every showing is a load; there is nothing to go back to
    emit Rendered(ok);
  });
  connect(&browser_, &WebBrowser::PrintRequested, this,
          [this] { printer_->Print(browser_.document().toHtml(), browser_.baseUrl()); });
  scheduleRender();
}

void WebView::scheduleRender() {
  if (renderPending_) return;
  renderPending_ = true;
  QTimer::singleShot(0, this, &WebView::render);
}

void WebView::render() {
  renderPending_ = false;
  if (browser_.readyState() != WebBrowser::ReadyState::Complete) return;
  QString html = browser_.document().toHtml();
  const QUrl base = browser_.baseUrl();
  if (html == shownHtml_ && base == shownBase_) return;
  shownHtml_ = std::move(html);
  shownBase_ = base;
  page_->LoadShown(shownHtml_, shownBase_);
}
