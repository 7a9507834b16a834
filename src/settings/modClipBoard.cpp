#include "modClipBoard.h"

#include "Ansi.h"
#include "ArquivoTexto.h"
#include "ProgramPaths.h"
#include "WritableFolders.h"

#include <QRegularExpression>

namespace modClipBoard {
namespace {

const QString kInicioFragmento = QStringLiteral("<!--StartFragment -->");
const QString kFimFragmento = QStringLiteral("<!--EndFragment -->");

const QString& cabecalho() {
  static const QString texto = QStringLiteral(
      "Version:1.0\r\n"
      "StartHTML:aaaaaaaaaa\r\n"
      "EndHTML:bbbbbbbbbb\r\n"
      "StartFragment:cccccccccc\r\n"
      "EndFragment:dddddddddd\r\n"
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
  return texto;
}

QString dezDigitos(qsizetype valor) { return QStringLiteral("%1").arg(valor, 10, 10, QLatin1Char('0')); }

// The sheet as it goes inside the document: without the file's own
// encoding rule (the document is single-byte text), and with every
// character outside ASCII as a CSS escape ("\\0065E5"), so nothing the
// user chose becomes "?" on the way.
QString folhaParaDocumento(const QString& folha) {
  static const QRegularExpression declaracao(QStringLiteral(R"(^@charset\s+"[^"]*";\s*)"));
  const QString semDeclaracao = QString(folha).remove(declaracao);
  QString texto;
  texto.reserve(semDeclaracao.size());
  for (const char32_t c : semDeclaracao.toUcs4()) {
    if (c < 0x80) {
      texto += QChar(static_cast<char16_t>(c));
    } else {
      texto += QStringLiteral("\\%1").arg(static_cast<uint>(c), 6, 16, QLatin1Char('0')).toUpper();
    }
  }
  return texto;
}

// The text of the sheet the entry page shows (the user's when there is one),
// or nothing when it cannot be read.
std::optional<QString> folhaEstilo() {
  try {
    const QString instalada = paths::toFileSystem(paths::appPath() + QStringLiteral("\\css\\estilo1.css"));
    return folhaParaDocumento(modCSS::LeArquivoTexto(paths::styleSheetInUse(instalada)));
  } catch (const modCSS::ErroArquivo& erro) {
    qWarning("clipboard: copying without a style sheet: %s", erro.what());
    return std::nullopt;
  }
}

}  // namespace

QByteArray MontaDocumento(const QString& prefixo, const QString& html, const QString& sufixo) {
  const qsizetype inicio = cabecalho().size() + prefixo.size();
  const qsizetype fim = inicio + html.size();
  const qsizetype total = fim + sufixo.size();
  // Only the header's runs are offsets: the same letters inside the page
  // are the page's own text.
  QString cabecalhoPreenchido = cabecalho();
  cabecalhoPreenchido.replace(QStringLiteral("aaaaaaaaaa"), dezDigitos(cabecalho().size()));
  cabecalhoPreenchido.replace(QStringLiteral("bbbbbbbbbb"), dezDigitos(total));
  cabecalhoPreenchido.replace(QStringLiteral("cccccccccc"), dezDigitos(inicio));
  cabecalhoPreenchido.replace(QStringLiteral("dddddddddd"), dezDigitos(fim));
  return ansi::fromUnicode(cabecalhoPreenchido + prefixo + html + sufixo);
}

EscritorHTML::EscritorHTML(clip::IClipboard& clipboard) : m_clipboard(clipboard) {}

clip::Formato EscritorHTML::ObtemFormatoHTML() {
  if (m_formato == 0) m_formato = m_clipboard.RegisterFormat(QStringLiteral("HTML Format"));
  return m_formato;
}

void EscritorHTML::CopiaHTMLClipboard(QString& html, QString& prefixo, QString& sufixo) {
  if (const std::optional<QString> folha = folhaEstilo()) {
    html = QStringLiteral("<style>") + *folha + QStringLiteral("</style>") + html;
  }
  const clip::Formato formato = ObtemFormatoHTML();
  if (formato == 0) return;
  prefixo += kInicioFragmento;
  sufixo = kFimFragmento + sufixo;
  const QByteArray documento = MontaDocumento(prefixo, html, sufixo);
  if (!m_clipboard.Open()) return;
  // The block ends in NULs, as the format expects.
  m_clipboard.Empty();
  m_clipboard.SetData(formato, documento + QByteArray(10, '\0'));
  m_clipboard.Close();
}

}  // namespace modClipBoard
