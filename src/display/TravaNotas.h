#pragma once

#include "AdvisoryLock.h"

#include <QString>

// The notes folder's lock, held while the object lives. Every program that
// changes the notes (the bitmap, a note file) holds it, so two programs
// sharing a folder, for two users or on two machines, change them one after
// the other and never write over the other's marks. The lock file,
// ".notas.dat.lock", stays in the folder and holds nothing.
class TravaNotas final {
 public:
  // Takes the lock of the notes folder `pasta` (a file-system path),
  // waiting a few seconds at most for another program that holds it.
  // Throws ErroNotas when it cannot be had: PastaOcupada when another
  // program kept it, ArquivoRecusado (naming the lock file) when that is not
  // a regular file, Gravacao when it cannot be made (the folder missing or
  // read-only).
  explicit TravaNotas(const QString& pasta);
  Q_DISABLE_COPY_MOVE(TravaNotas)

  // The lock file of the folder `pasta`.
  static QString arquivo(const QString& pasta);

 private:
  files::AdvisoryLock m_trava;
};
