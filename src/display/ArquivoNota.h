#pragma once

#include "FileWriter.h"

#include <QString>

#include <cstdint>

// The note file of one entry: "<folder>\id<six-digit id>.txt", ANSI text.
// Every function throws ErroNotas (MarcasNotas.h) when the file system
// refuses.
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

// Removes the file if it exists.
void apaga(const QString& pasta, std::int32_t id);

}  // namespace ArquivoNota
