#include "MarcasNotas.h"

#include "ArquivoNaPasta.h"
#include "ErroNotas.h"

#include <QFile>

#include <cerrno>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A short file reads as clear beyond its end.
QByteArray tamanhoCheio(QByteArray lidos) {
  lidos.resize(MarcasNotas::Tamanho, '\0');
  return lidos;
}

}  // namespace

QString MarcasNotas::arquivo() const { return m_pasta + QStringLiteral("/notas.dat"); }

MarcasNotas::Carga MarcasNotas::carrega(const QString& pasta) {
  m_pasta = pasta;
  m_bytes.fill('\0');
  m_lida = {};
  std::optional<QByteArray> lidos;
  try {
    lidos = leDisco();
    if (!lidos && apareceuAoCriar()) lidos = leDisco();
  } catch (const ErroNotas& erro) {
    m_lida = identidadeAtual();  // tried again once the file changes
    return erro.causa() == ErroNotas::Causa::ArquivoRecusado ? Carga::Recusada : Carga::SemGravacao;
  }
  if (lidos) m_bytes = *lidos;
  m_lida = identidadeAtual();
  const auto gravavel = [](const QString& caminho) {
    return ::access(QFile::encodeName(caminho).constData(), W_OK) == 0;
  };
  return gravavel(m_pasta) && (!lidos || gravavel(arquivo())) ? Carga::Lida : Carga::SemGravacao;
}

// Made only where there is nothing (another program may make it at the
// same time), never following a link.
bool MarcasNotas::apareceuAoCriar() const {
  const int fd = ::open(QFile::encodeName(arquivo()).constData(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return errno == EEXIST;
  ::close(fd);
  return false;
}

std::optional<QByteArray> MarcasNotas::leDisco() const {
  const std::optional<QByteArray> lidos = ArquivoNaPasta::le(m_pasta, arquivo(), Tamanho);
  if (!lidos) return std::nullopt;
  return tamanhoCheio(*lidos);
}

MarcasNotas::Identidade MarcasNotas::identidadeAtual() const {
  struct stat info {};
  if (m_pasta.isEmpty() || ::stat(QFile::encodeName(arquivo()).constData(), &info) != 0) return {};
  return {true,
          static_cast<quint64>(info.st_dev),
          static_cast<quint64>(info.st_ino),
          static_cast<qint64>(info.st_size),
          static_cast<qint64>(info.st_mtim.tv_sec),
          static_cast<qint64>(info.st_mtim.tv_nsec),
          static_cast<qint64>(info.st_ctim.tv_sec),
          static_cast<qint64>(info.st_ctim.tv_nsec)};
}

void MarcasNotas::atualiza() {
  const Identidade agora = identidadeAtual();
  if (!agora.existe || agora == m_lida) return;
  try {
    if (const std::optional<QByteArray> lidos = leDisco()) m_bytes = *lidos;
    m_lida = agora;
  } catch (const ErroNotas& erro) {
    m_lida = agora;  // tried again once the file changes
    qWarning("notes: keeping the marks read before: %s", erro.what());
  }
}

qsizetype MarcasNotas::indice(std::int32_t id) {
  if (id < 0 || id > MaiorID) throw std::out_of_range("entry id outside the notes bitmap");
  return id / 8;
}

bool MarcasNotas::tem(std::int32_t id) const {
  const auto byte = static_cast<unsigned char>(m_bytes[indice(id)]);
  return (byte & (1u << (id % 8))) != 0;
}

void MarcasNotas::marca(std::int32_t id, const TravaNotas&) { poe(id, true); }

void MarcasNotas::desmarca(std::int32_t id, const TravaNotas&) { poe(id, false); }

// A file that has gone since it was read is made again from the marks
// known here.
void MarcasNotas::poe(std::int32_t id, bool marcado) {
  const qsizetype i = indice(id);
  if (m_pasta.isEmpty()) throw ErroNotas("the notes bitmap was never loaded");
  if (std::optional<QByteArray> lidos = leDisco()) m_bytes = *lidos;
  QByteArray novos = m_bytes;
  const unsigned bit = 1u << (id % 8);
  const auto antes = static_cast<unsigned char>(novos[i]);
  novos[i] = static_cast<char>(marcado ? (antes | bit) : (antes & ~bit));
  ArquivoNaPasta::grava(*m_gravador, m_pasta, arquivo(), novos);
  m_bytes = novos;
  m_lida = identidadeAtual();
}
