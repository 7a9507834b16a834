#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>

class QPrinter;
class QWebEngineView;
class QWidget;

// Prints a page through the user's choice of printer: shows the print
// dialog over `window`, then lays the page out in a hidden view and prints
// it. The page is taken as it is when Print is called.
class PagePrinter final : public QObject {
  Q_OBJECT

 public:
  explicit PagePrinter(QWidget* window);
  ~PagePrinter() override;
  Q_DISABLE_COPY_MOVE(PagePrinter)

  // Does nothing while an earlier printout is still being made.
  void Print(const QString& html, const QUrl& baseUrl);

 private:
  void finished();

  QWidget* window_;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QWebEngineView> view_;
};
