#pragma once

#include "FileWriter.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

class TravaNotas;

// Which entries have a note: the bitmap of notas.dat, one bit per entry id
// (byte id / 8, bit id % 8, least significant first), 18,129 bytes for ids 0
// to 145,031. The file has no header; it is read whole and written whole,
// through `gravador`, so a failed or interrupted write leaves the previous
// file as it was. Other programs may share the folder: a mark is changed in
// the file as it is on disk, under the folder's lock, and the marks are read
// again when the file has changed. Only a regular file of the notes folder
// is read or written (ErroNotas::Causa::ArquivoRecusado otherwise).
class MarcasNotas final {
 public:
  static constexpr qsizetype Tamanho = 18129;
  static constexpr std::int32_t MaiorID = Tamanho * 8 - 1;

  explicit MarcasNotas(files::IFileWriter& gravador = files::disk()) : m_gravador(&gravador) {}

  enum class Carga {
    Lida,         // read, and the folder lets it be written
    SemGravacao,  // the folder or the file cannot be read or written
    Recusada,     // notas.dat is not a regular file of the folder
  };

  // Reads notas.dat of the notes folder `pasta` (a file-system path),
  // making it empty when missing. A shorter file reads as clear beyond its
  // end, a longer one is read up to Tamanho. Whatever the result, the marks
  // are what could be read (none when nothing could), and later changes go
  // to this folder.
  Carga carrega(const QString& pasta);

  // Reads the marks again when notas.dat has changed since it was last read,
  // tried or written here (another program saved a note). Quiet: when it
  // cannot be read the marks stay as they were, and it is tried again
  // only once it changes.
  void atualiza();

  // Whether entry `id` has a note. Throws std::out_of_range for an id outside
  // 0 to MaiorID.
  bool tem(std::int32_t id) const;

  // Sets / clears the bit of `id` in notas.dat as the disk has it now (read
  // again, so marks set since by another program stay), and writes the
  // whole bitmap back, even when the bit was already so. The caller holds
  // the folder's lock `trava`. Throws std::out_of_range for an id outside 0
  // to MaiorID, and ErroNotas when the file cannot be read (it is then never
  // written over) or written; the marks are then those last read.
  void marca(std::int32_t id, const TravaNotas& trava);
  void desmarca(std::int32_t id, const TravaNotas& trava);

  const QByteArray& bytes() const { return m_bytes; }

 private:
  // Which file notas.dat was when it was last read, tried or written. The
  // time of the last status change tells a file made readable (chmod).
  struct Identidade {
    bool existe = false;
    quint64 dispositivo = 0;
    quint64 inode = 0;
    qint64 tamanho = 0;
    qint64 segundos = 0;
    qint64 nanossegundos = 0;
    qint64 segundosEstado = 0;
    qint64 nanossegundosEstado = 0;
    bool operator==(const Identidade&) const = default;
  };

  static qsizetype indice(std::int32_t id);
  QString arquivo() const;
  // What notas.dat is now; missing, without looking at the disk, when no
  // folder was loaded.
  Identidade identidadeAtual() const;
  // The file's bytes, full size; nothing when there is no file. Throws
  // ErroNotas when it cannot be read.
  std::optional<QByteArray> leDisco() const;
  void poe(std::int32_t id, bool marcado);
  // Makes an empty notas.dat where there is none; true when one turned up
  // meanwhile (another program made it) and is to be read.
  bool apareceuAoCriar() const;

  files::IFileWriter* m_gravador;

  QByteArray m_bytes = QByteArray(Tamanho, '\0');
  QString m_pasta;  // the notes folder, as a file-system path
  Identidade m_lida;
};
