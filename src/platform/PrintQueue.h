#pragma once

#include <QString>

class QPrinter;

// Hands a finished PDF document to a printer of the system's print service
// (CUPS), which prints PDF as it is: the text stays text.
namespace printqueue {

// Sends the PDF file `pdfPath` to `printer`'s printer, with the copies,
// collation and sides chosen in its print dialog, as a job named `title`.
// The service has read the file when this returns. False, with the
// service's reason in `error` (when not null), when the printer cannot be
// reached or refuses the job.
bool submit(const QPrinter& printer, const QString& pdfPath, const QString& title, QString* error);

}  // namespace printqueue
