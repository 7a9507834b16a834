#pragma once

#include "FileWriter.h"

#include <QString>

#include <cstdint>

// The note file of one entry: "<folder>\id<six-digit id>.txt", the note as
// UTF-8 text (one written as Windows-1252 by an older version still reads
// as it was written). Only a regular file of the notes folder is read or
// written: a pipe, a device or a link that leads out of the folder is
// refused. Every function throws ErroNotas (ErroNotas.h) when the file
// system refuses, with the cause ArquivoRecusado and the file for a file
// refused.
namespace ArquivoNota {

// The file-system path of the note of `id` in the notes folder `pasta`.
QString caminho(const QString& pasta, std::int32_t id);

// The note's lines, each followed by CR LF (lines may end in CR LF, CR or
// LF); "" when the file does not exist or is empty.
QString le(const QString& pasta, std::int32_t id);

// Writes `texto` (lines joined by CR LF) ending in one CR LF through
// `gravador`, replacing the file as a whole: a failed or interrupted write
// leaves the previous file.
void grava(const QString& pasta, std::int32_t id, const QString& texto, files::IFileWriter& gravador);

// Removes the file (a link: the link itself) if it exists.
void apaga(const QString& pasta, std::int32_t id);

}  // namespace ArquivoNota
