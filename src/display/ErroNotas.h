#pragma once

#include <QString>

#include <stdexcept>
#include <string>
#include <utility>

// A note file or the bitmap could not be read, written or removed.
class ErroNotas final : public std::runtime_error {
 public:
  enum class Causa {
    Gravacao,         // the file system refused (a folder that cannot be written, a full disk, ...)
    ArquivoRecusado,  // arquivo() is not a regular file of the notes folder
    PastaOcupada,     // another program kept the folder's lock
    SemPasta,         // no notes folder is set
  };

  explicit ErroNotas(const std::string& what, Causa causa = Causa::Gravacao, QString arquivo = QString())
      : std::runtime_error(what), m_causa(causa), m_arquivo(std::move(arquivo)) {}

  Causa causa() const { return m_causa; }
  // The file refused (a file-system path), for ArquivoRecusado.
  const QString& arquivo() const { return m_arquivo; }

 private:
  Causa m_causa;
  QString m_arquivo;
};
