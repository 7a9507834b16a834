#include "TravaNotas.h"

#include "ErroNotas.h"

namespace {

// A save takes milliseconds; a holder past this is stuck (a stopped
// program, a file server that does not answer).
constexpr std::chrono::seconds kPaciencia{3};

}  // namespace

QString TravaNotas::arquivo(const QString& pasta) { return pasta + QStringLiteral("/.notas.dat.lock"); }

TravaNotas::TravaNotas(const QString& pasta) : m_trava(arquivo(pasta), kPaciencia) {
  using Status = files::AdvisoryLock::Status;
  switch (m_trava.status()) {
    case Status::Held:
      return;
    case Status::Busy:
      throw ErroNotas("the notes folder stayed locked", ErroNotas::Causa::PastaOcupada);
    case Status::Refused:
      throw ErroNotas("the notes lock is not a regular file", ErroNotas::Causa::ArquivoRecusado, arquivo(pasta));
    case Status::Failed:
      break;
  }
  throw ErroNotas("cannot lock the notes folder " + pasta.toStdString());
}
