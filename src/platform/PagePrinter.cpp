#include "PagePrinter.h"

#include "FileWriter.h"
#include "GuardedPage.h"
#include "PrintQueue.h"
#include "QtDialogs.h"
#include "ResourceStrings.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryFile>
#include <QtDebug>

namespace {

constexpr int kMensagemSemImpressao = 390;
constexpr int kTitulo = 100;

bool toFile(const QPrinter& printer) { return printer.outputFormat() == QPrinter::PdfFormat; }

}  // namespace

PagePrinter::PagePrinter(QWidget* window, dlg::IDialogs* dialogs, Chooser choose)
    : QObject(window),
      window_(window),
      ownDialogs_(dialogs == nullptr ? std::make_unique<dlg::QtDialogs>(window) : nullptr),
      dialogs_(dialogs != nullptr ? dialogs : ownDialogs_.get()),
      choose_(std::move(choose)) {
  if (!choose_) {
    choose_ = [this](QPrinter& printer) {
      QPrintDialog dialog(&printer, window_);
      return dialog.exec() == QDialog::Accepted;
    };
  }
}

PagePrinter::~PagePrinter() = default;

void PagePrinter::Print(const QString& html, const QUrl& baseUrl) {
  if (printer_) return;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!choose_(*printer)) return;
  printer_ = std::move(printer);
  page_ = std::make_unique<GuardedPage>(guardedProfile());
  connect(page_.get(), &QWebEnginePage::loadFinished, this, &PagePrinter::layOut);
  page_->LoadShown(html, baseUrl);
}

void PagePrinter::layOut(bool loaded) {
  if (!loaded) {
    finished(false);
    return;
  }
  page_->printToPdf([this](const QByteArray& pdf) { deliver(pdf); }, printer_->pageLayout(),
                    printer_->pageRanges());
}

void PagePrinter::deliver(const QByteArray& pdf) {
  const bool ok = !pdf.isEmpty() && send(pdf);
  if (!ok) {
    const QString destination = toFile(*printer_) ? printer_->outputFileName() : printer_->printerName();
    dialogs_->MsgBox(LoadResString(kMensagemSemImpressao).replace(QStringLiteral("%1"), destination),
                     dlg::vbExclamation, LoadResString(kTitulo));
  }
  finished(ok);
}

bool PagePrinter::send(const QByteArray& pdf) {
  if (toFile(*printer_)) {
    const QString path = printer_->outputFileName();
    if (!path.isEmpty() && files::disk().write(path, pdf)) return true;
    qWarning("printing: cannot write %s", qPrintable(path));
    return false;
  }
  QTemporaryFile spool;
  if (!spool.open() || spool.write(pdf) != pdf.size() || !spool.flush()) {
    qWarning("printing: cannot keep the printout for the printer: %s", qPrintable(spool.errorString()));
    return false;
  }
  QString error;
  if (printqueue::submit(*printer_, spool.fileName(), LoadResString(kTitulo), &error)) return true;
  qWarning("printing: printer %s: %s", qPrintable(printer_->printerName()), qPrintable(error));
  return false;
}

void PagePrinter::finished(bool ok) {
  // Not inside the page's own callback.
  QMetaObject::invokeMethod(
      this,
      [this, ok] {
        page_.reset();
        printer_.reset();
        emit Printed(ok);
      },
      Qt::QueuedConnection);
}
