#pragma once

#include "FileWriter.h"

#include <QString>

#include <stdexcept>
#include <string>
#include <utility>

// Whole-file reading and writing of the program's own ANSI text files
// (style sheets, their template, the preview page). Paths are program paths.
namespace modCSS {

// A text file that could not be read or written; what() names it and says
// why, for the log.
class ErroArquivo final : public std::runtime_error {
 public:
  ErroArquivo(const std::string& what, QString caminho) : std::runtime_error(what), m_caminho(std::move(caminho)) {}

  // The file, as a file-system path (for the user's message).
  const QString& caminho() const { return m_caminho; }

 private:
  QString m_caminho;
};

// The whole file as text. Throws ErroArquivo when it does not exist or
// cannot be read; never creates it.
QString LeArquivoTexto(const QString& caminho);

// Replaces the file by `texto` through `gravador`, so the old content stays
// whole when the writing fails. Throws ErroArquivo then.
void GravaArquivoTexto(const QString& caminho, const QString& texto, files::IFileWriter& gravador = files::disk());

}  // namespace modCSS
