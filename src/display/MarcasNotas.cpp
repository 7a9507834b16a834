#include "MarcasNotas.h"

#include <QFile>

bool MarcasNotas::carrega(const QString& arquivo) {
  m_bytes.fill('\0');
  m_arquivo = arquivo;
  m_estado = Estado::NaoLido;
  QFile file(arquivo);
  // Read-write, as the folder must also let the marks be written back.
  if (file.open(QIODevice::ReadWrite)) return le(file);
  if (!file.exists()) {
    m_estado = Estado::Ausente;
  } else if (file.open(QIODevice::ReadOnly)) {
    le(file);
  }
  return false;
}

bool MarcasNotas::le(QFile& file) {
  const QByteArray lidos = file.read(Tamanho);
  if (lidos.isEmpty() && file.error() != QFileDevice::NoError) return false;
  m_bytes.replace(0, lidos.size(), lidos);
  m_estado = Estado::Lido;
  return true;
}

// A bitmap put in place after a load that found none (a notes folder copied
// back, say) holds marks this one does not: it is read before being written.
void MarcasNotas::leSeApareceu() {
  if (m_estado == Estado::Ausente && QFile::exists(m_arquivo)) carrega(m_arquivo);
}

qsizetype MarcasNotas::indice(std::int32_t id) {
  if (id < 0 || id > MaiorID) throw std::out_of_range("entry id outside the notes bitmap");
  return id / 8;
}

bool MarcasNotas::tem(std::int32_t id) const {
  const auto byte = static_cast<unsigned char>(m_bytes[indice(id)]);
  return (byte & (1u << (id % 8))) != 0;
}

void MarcasNotas::marca(std::int32_t id) { poe(id, true); }

void MarcasNotas::desmarca(std::int32_t id) { poe(id, false); }

void MarcasNotas::poe(std::int32_t id, bool marcado) {
  const qsizetype i = indice(id);
  leSeApareceu();
  const auto antes = static_cast<unsigned char>(m_bytes[i]);
  const unsigned bit = 1u << (id % 8);
  m_bytes[i] = static_cast<char>(marcado ? (antes | bit) : (antes & ~bit));
  try {
    grava();
  } catch (const ErroNotas&) {
    m_bytes[i] = static_cast<char>(antes);  // memory says what the disk holds
    throw;
  }
}

void MarcasNotas::grava() {
  if (m_estado == Estado::NaoLido) throw ErroNotas("the notes bitmap was not read");
  if (!m_gravador->write(m_arquivo, m_bytes)) throw ErroNotas("cannot write " + m_arquivo.toStdString());
  m_estado = Estado::Lido;
}
