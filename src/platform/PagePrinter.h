#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class GuardedPage;
class QPrinter;
class QWidget;

namespace dlg {
class IDialogs;
class QtDialogs;
}  // namespace dlg

// Prints a page through the user's choice of printer: shows the print
// dialog over `window`, lays the page out in a page of its own and has the
// page engine make a PDF of it, whose text stays text; the PDF goes to the
// file chosen, or to the printer through the system's print service. A
// printout that cannot be made is told to the user (message 390, naming the
// printer or the file). The page is taken as it is when Print is called.
class PagePrinter final : public QObject {
  Q_OBJECT

 public:
  // Lets the user set up `printer`; true to print.
  using Chooser = std::function<bool(QPrinter& printer)>;

  // `dialogs` shows the failures (null: message boxes over `window`);
  // `choose` empty: the print dialog over `window`.
  explicit PagePrinter(QWidget* window, dlg::IDialogs* dialogs = nullptr, Chooser choose = {});
  ~PagePrinter() override;
  Q_DISABLE_COPY_MOVE(PagePrinter)

  // Does nothing while an earlier printout is still being made.
  void Print(const QString& html, const QUrl& baseUrl);

 signals:
  // A printout the user asked for was made (true) or could not be (false).
  void Printed(bool ok);

 private:
  void layOut(bool loaded);
  void deliver(const QByteArray& pdf);
  bool send(const QByteArray& pdf);
  void finished(bool ok);

  QWidget* window_;
  std::unique_ptr<dlg::QtDialogs> ownDialogs_;  // when none were given
  dlg::IDialogs* dialogs_;
  Chooser choose_;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<GuardedPage> page_;  // the printout's page, while it is made
};
