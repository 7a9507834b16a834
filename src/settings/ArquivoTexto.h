#pragma once

#include "FileWriter.h"

#include <QString>

#include <stdexcept>
#include <string>
#include <utility>

// Whole-file reading and writing of the text files of the entry's look:
// the style sheets, their template and the preview page. Paths are program
// paths. The sheets carry what the user chose, so they are written as UTF-8
// and every file is read as UTF-8 when it is valid UTF-8, else as
// Windows-1252 (the templates the program ships, and sheets written by older
// versions).
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

// The whole file as text. Throws ErroArquivo when it does not exist, cannot
// be read or is not a regular file (a pipe is never waited on); never
// creates it.
QString LeArquivoTexto(const QString& caminho);

// Replaces the file by `texto` through `gravador`, so the old content stays
// whole when the writing fails. Throws ErroArquivo then.
void GravaArquivoTexto(const QString& caminho, const QString& texto, files::IFileWriter& gravador = files::disk());

}  // namespace modCSS
