#pragma once

#include "FileWriter.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <stdexcept>

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

  // Reads the bitmap from `arquivo` (a file-system path), creating an empty
  // file when there is none; a shorter file reads as clear beyond its end, a
  // longer one is read up to Tamanho. True on success. On failure every mark
  // is clear and nothing is written until a later load succeeds, so a bitmap
  // that was not read from a folder never replaces the one it holds.
  bool carrega(const QString& arquivo);

  // Whether entry `id` has a note. Throws std::out_of_range for an id outside
  // 0 to MaiorID.
  bool tem(std::int32_t id) const;
  // Sets / clears the bit of `id`, then writes the whole bitmap (even when
  // the bit was already so). Throws std::out_of_range for an id outside 0 to
  // MaiorID, and ErroNotas when no bitmap was loaded or the write fails; the
  // bit then stays as the file has it.
  void marca(std::int32_t id);
  void desmarca(std::int32_t id);

  const QByteArray& bytes() const { return m_bytes; }

 private:
  static qsizetype indice(std::int32_t id);
  void poe(std::int32_t id, bool marcado);
  void grava() const;

  files::IFileWriter* m_gravador;

  QByteArray m_bytes = QByteArray(Tamanho, '\0');
  QString m_arquivo;  // where the bitmap was read from; empty: not loaded
};
