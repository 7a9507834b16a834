#include "PrintQueue.h"

#include <QFile>
#include <QPrinter>

#include <cups/cups.h>

namespace printqueue {
namespace {

const char* sides(QPrinter::DuplexMode duplex) {
  switch (duplex) {
    case QPrinter::DuplexNone: return "one-sided";
    case QPrinter::DuplexLongSide: return "two-sided-long-edge";
    case QPrinter::DuplexShortSide: return "two-sided-short-edge";
    case QPrinter::DuplexAuto: break;
  }
  return nullptr;  // the printer's own default
}

}  // namespace

bool submit(const QPrinter& printer, const QString& pdfPath, const QString& title, QString* error) {
  cups_option_t* options = nullptr;
  int count = 0;
  count = cupsAddOption("copies", QByteArray::number(printer.copyCount()).constData(), count, &options);
  count = cupsAddOption("collate", printer.collateCopies() ? "true" : "false", count, &options);
  if (const char* s = sides(printer.duplex())) count = cupsAddOption("sides", s, count, &options);
  const int job = cupsPrintFile(printer.printerName().toUtf8().constData(), QFile::encodeName(pdfPath).constData(),
                                title.toUtf8().constData(), count, options);
  cupsFreeOptions(count, options);
  if (job == 0 && error != nullptr) *error = QString::fromUtf8(cupsLastErrorString());
  return job != 0;
}

}  // namespace printqueue
