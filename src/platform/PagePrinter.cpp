#include "PagePrinter.h"

#include "GuardedPage.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QWebEngineView>

PagePrinter::PagePrinter(QWidget* window) : QObject(window), window_(window) {}

PagePrinter::~PagePrinter() = default;

void PagePrinter::Print(const QString& html, const QUrl& baseUrl) {
  if (view_) return;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer.get(), window_);
  if (dialog.exec() != QDialog::Accepted) return;
  printer_ = std::move(printer);
  view_ = std::make_unique<QWebEngineView>();
  auto* page = new GuardedPage(guardedProfile(), view_.get());  // owned by the hidden view
  view_->setPage(page);
  connect(page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
    if (ok) view_->print(printer_.get());
    else finished();
  });
  connect(view_.get(), &QWebEngineView::printFinished, this, &PagePrinter::finished);
  page->LoadShown(html, baseUrl);
}

void PagePrinter::finished() {
  // Not inside the view's own signal.
  QMetaObject::invokeMethod(
      this,
      [this] {
        view_.reset();
        printer_.reset();
      },
      Qt::QueuedConnection);
}
