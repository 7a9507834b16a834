#include "CNotas.h"

#include "ArquivoNota.h"
#include "Dialogs.h"
#include "ProgramPaths.h"
#include "ResourceStrings.h"
#include "Trim.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include <exception>

namespace {

constexpr int kMensagemAnotacao = 500;
constexpr int kMensagemDiretorio = 503;
constexpr int kTitulo = 100;

}  // namespace

CNotas::CNotas(dlg::IDialogs& dialogos, files::IFileWriter& gravador, QObject* parent)
    : QObject(parent), m_dialogos(dialogos), m_gravador(gravador) {}

void CNotas::Inicializa(QPlainTextEdit& txtNota, const QString& caminho, QWidget& txtLabel) {
  m_TextoNota = &txtNota;
  m_Indicador = &txtLabel;
  m_Diretorio = caminho;
  connect(&txtNota, &QPlainTextEdit::textChanged, this, &CNotas::m_TextoNota_Change);
}

QString CNotas::textoCaixa() const {
  QString texto = m_TextoNota->document()->toRawText();
  texto.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
  return texto.replace(u'\n', QStringLiteral("\r\n"));
}

void CNotas::defineTextoCaixa(const QString& texto) {
  QString simples = texto;
  m_TextoNota->setPlainText(simples.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n'));
}

bool CNotas::vazio(const QString& texto) { return trim::blanks(QString(texto).remove(QStringLiteral("\r\n"))).isEmpty(); }

bool CNotas::EhVisivel() const { return !m_TextoNota.isNull() && !m_TextoNota->isHidden(); }

void CNotas::LeArquivo() {
  if (carregaMarcas()) m_IDAtual = -1;
}

bool CNotas::carregaMarcas() {
  files::removeStaleTemporaries(paths::toFileSystem(m_Diretorio));  // left by saves a crash ended
  if (m_Marcas.carrega(paths::toFileSystem(m_Diretorio + QStringLiteral("/notas.dat")))) return true;
  mensagem(kMensagemDiretorio);
  return false;
}

void CNotas::AlteraDir(const QString& caminho) {
  const std::int32_t naTela = m_IDAtual;
  try {
    salvaPendente();
  } catch (const std::exception&) {
    mensagem(kMensagemAnotacao);
  }
  m_Diretorio = caminho;
  carregaMarcas();
  m_IDAtual = -1;
  m_Alterada = false;
  if (naTela != -1) VerificaVerbete(naTela);
}

void CNotas::VerificaVerbete(std::int32_t IDVerbete) {
  if (m_TextoNota.isNull() || m_Indicador.isNull()) return;
  try {
    salvaPendente();
    if (IDVerbete == -1) {
      escondeCaixa();
    } else {
      mostraNota(IDVerbete);
    }
    m_IDAtual = IDVerbete;
    m_Alterada = false;
  } catch (const std::exception&) {
    mensagem(kMensagemAnotacao);
    escondeCaixa();
    m_IDAtual = -1;
    m_Alterada = false;
  }
}

// Writes the open note, or removes it and its mark when it was erased. The
// order leaves nothing unreachable when the second step fails: a mark
// without its file is cleared when the entry is shown, whereas a note file
// without its mark would never be shown again.
void CNotas::salvaPendente() {
  if (!m_Alterada || m_IDAtual == -1) return;
  const QString texto = textoCaixa();
  if (vazio(texto)) {
    ArquivoNota::apaga(m_Diretorio, m_IDAtual);
    m_Marcas.desmarca(m_IDAtual);
  } else {
    m_Marcas.marca(m_IDAtual);
    ArquivoNota::grava(m_Diretorio, m_IDAtual, texto, m_gravador);
  }
  m_Alterada = false;
}

void CNotas::mostraNota(std::int32_t id) {
  if (!m_Marcas.tem(id)) {
    defineTextoCaixa(QString());
    escondeCaixa();
    return;
  }
  LeNota(id);
  if (!textoCaixa().isEmpty()) {
    mostraCaixa();
    return;
  }
  m_Marcas.desmarca(id);  // marked, but its file is missing or empty
  escondeCaixa();
}

void CNotas::LeNota(std::int32_t id) {
  defineTextoCaixa(QString());
  defineTextoCaixa(ArquivoNota::le(m_Diretorio, id));
}

void CNotas::setVisible(bool Valor) {
  if (m_IDAtual == -1 || m_TextoNota.isNull() || m_Indicador.isNull()) return;
  if (!Valor && !vazio(textoCaixa())) return;
  m_Indicador->setVisible(Valor);
  m_TextoNota->setVisible(Valor);
  emit Posiciona();
}

void CNotas::mostraCaixa() {
  if (EhVisivel()) return;
  m_TextoNota->setVisible(true);
  m_Indicador->setVisible(true);
  emit Posiciona();
}

void CNotas::escondeCaixa() {
  if (!EhVisivel()) return;
  m_TextoNota->setVisible(false);
  m_Indicador->setVisible(false);
  emit Posiciona();
}

// The folder is named as the file system knows it, whatever separators the
// setting was stored with.
void CNotas::mensagem(int idTexto) {
  m_dialogos.MsgBox(LoadResString(idTexto).replace(QStringLiteral("%1"), paths::toFileSystem(m_Diretorio)),
                    dlg::vbCritical, LoadResString(kTitulo));
}
