#pragma once

#include "FileWriter.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <stdexcept>

class QFile;

// A note file or the bitmap could not be read, written or removed.
class ErroNotas final : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Which entries have a note: the bitmap of notas.dat, one bit per entry id
// (byte id / 8, bit id % 8, least significant first), 18,129 bytes for ids 0
// to 145,031. The file has no header; it is read whole and written whole,
// through `gravador`, so a failed or interrupted write leaves the previous
// file as it was.
class MarcasNotas final {
 public:
  static constexpr qsizetype Tamanho = 18129;
  static constexpr std::int32_t MaiorID = Tamanho * 8 - 1;

  explicit MarcasNotas(files::IFileWriter& gravador = files::disk()) : m_gravador(&gravador) {}

  // Reads the bitmap from `arquivo` (a file-system path). True when the file
  // could be opened for reading and writing (a missing one is then created
  // empty); a shorter file reads as clear beyond its end, a longer one is
  // read up to Tamanho. Otherwise false, and:
  // - a file that exists and can only be read gives its marks (a write will
  //   then be refused by the file system);
  // - a missing file (its folder missing or not writable) starts with no
  //   marks and is written at the first mark, so a folder made later gets
  //   its bitmap; one that has appeared by then is read first;
  // - a file that exists and cannot be read starts with no marks and is
  //   never written over, so a bitmap that was not read is never replaced.
  bool carrega(const QString& arquivo);

  // Whether entry `id` has a note. Throws std::out_of_range for an id outside
  // 0 to MaiorID.
  bool tem(std::int32_t id) const;
  // Sets / clears the bit of `id`, then writes the whole bitmap (even when
  // the bit was already so). Throws std::out_of_range for an id outside 0 to
  // MaiorID, and ErroNotas when the bitmap may not be written (never
  // loaded, or unreadable) or the write fails; the bit then stays as the
  // file has it.
  void marca(std::int32_t id);
  void desmarca(std::int32_t id);

  const QByteArray& bytes() const { return m_bytes; }

 private:
  enum class Estado {
    NaoLido,  // never loaded, or the file could not be read: never written
    Ausente,  // there was no file: written at the first mark
    Lido,
  };

  static qsizetype indice(std::int32_t id);
  bool le(QFile& file);
  void leSeApareceu();
  void poe(std::int32_t id, bool marcado);
  void grava();

  files::IFileWriter* m_gravador;

  QByteArray m_bytes = QByteArray(Tamanho, '\0');
  QString m_arquivo;  // where the bitmap was loaded from
  Estado m_estado = Estado::NaoLido;
};
