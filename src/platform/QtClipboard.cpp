#include "QtClipboard.h"

#include "Ansi.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>

#include <memory>

namespace clip {
namespace {

constexpr Formato kPrimeiroFormato = 0xC000;  // where registered formats begin
const QString kFormatoHTML = QStringLiteral("HTML Format");

std::optional<qsizetype> deslocamento(const QByteArray& documento, const char* campo) {
  const QRegularExpression padrao(QLatin1String(campo) + QStringLiteral(":(\\d{1,10})"));
  const QRegularExpressionMatch achado = padrao.match(QString::fromLatin1(documento.left(400)));
  if (!achado.hasMatch()) return std::nullopt;
  return achado.captured(1).toLongLong();
}

}  // namespace

std::optional<QByteArray> QtClipboard::FragmentoHTML(const QByteArray& documento) {
  const std::optional<qsizetype> inicio = deslocamento(documento, "StartFragment");
  const std::optional<qsizetype> fim = deslocamento(documento, "EndFragment");
  if (!inicio || !fim || *inicio > *fim || *fim > documento.size()) return std::nullopt;
  return documento.mid(*inicio, *fim - *inicio);
}

bool QtClipboard::Open() {
  if (m_aberto || QGuiApplication::clipboard() == nullptr) return false;
  esqueceSeSubstituido();
  m_aberto = true;
  return true;
}

void QtClipboard::Empty() {
  if (!m_aberto) return;
  m_dados.clear();
  m_texto.clear();
  m_temTexto = false;
}

Formato QtClipboard::RegisterFormat(const QString& nome) {
  if (nome.isEmpty()) return 0;
  for (const auto& [id, registrado] : m_nomes) {
    if (registrado.compare(nome, Qt::CaseInsensitive) == 0) return id;
  }
  const Formato id = kPrimeiroFormato + static_cast<Formato>(m_nomes.size());
  m_nomes.emplace(id, nome);
  return id;
}

bool QtClipboard::SetData(Formato formato, const QByteArray& dados) {
  const auto nome = m_nomes.find(formato);
  if (!m_aberto || nome == m_nomes.end()) return false;
  m_dados[nome->second] = dados;
  return true;
}

void QtClipboard::Close() {
  if (!m_aberto) return;
  m_aberto = false;
  publica();
}

void QtClipboard::Clear() {
  if (!Open()) return;
  Empty();
  Close();
}

void QtClipboard::SetText(const QString& texto) {
  esqueceSeSubstituido();
  m_texto = texto;
  m_temTexto = true;
  publica();
}

void QtClipboard::esqueceSeSubstituido() {
  const QClipboard* sistema = QGuiApplication::clipboard();
  if (sistema == nullptr || m_publicado.isNull() || sistema->mimeData() != m_publicado.data()) {
    m_dados.clear();
    m_texto.clear();
    m_temTexto = false;
  }
}

void QtClipboard::publica() {
  QClipboard* sistema = QGuiApplication::clipboard();
  if (sistema == nullptr) return;
  auto mime = std::make_unique<QMimeData>();
  if (m_temTexto) mime->setText(m_texto);
  for (const auto& [nome, dados] : m_dados) {
    QByteArray bytes = dados;
    // The block's spare NULs are not part of the data.
    while (bytes.endsWith('\0')) bytes.chop(1);
    mime->setData(nome, bytes);
    if (nome == kFormatoHTML) {
      if (const std::optional<QByteArray> fragmento = FragmentoHTML(bytes)) mime->setHtml(ansi::toUnicode(*fragmento));
    }
  }
  m_publicado = mime.get();
  sistema->setMimeData(mime.release());  // the clipboard owns it now
}

}  // namespace clip
