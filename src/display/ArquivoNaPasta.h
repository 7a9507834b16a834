#pragma once

#include "FileWriter.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A file of the notes folder, which other programs may fill too: only a
// regular file that lies inside the folder (links followed) is read or
// written, so a pipe is never waited on and a link never leads elsewhere.
// `pasta` is the folder and `arquivo` the file, as file-system paths. Each
// function throws ErroNotas (ErroNotas.h) when the file system refuses, with
// the cause ArquivoRecusado and `arquivo` for a file refused.
namespace ArquivoNaPasta {

// The first `maximo` bytes of the file (all, when negative); nothing when
// there is no file.
std::optional<QByteArray> le(const QString& pasta, const QString& arquivo, qint64 maximo = -1);

// Replaces the file by `bytes` through `gravador`: a failed or interrupted
// write leaves the previous file.
void grava(files::IFileWriter& gravador, const QString& pasta, const QString& arquivo, const QByteArray& bytes);

}  // namespace ArquivoNaPasta
