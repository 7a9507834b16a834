#include "CNotas.h"

#include "ArquivoNota.h"
#include "Dialogs.h"
#include "ErroNotas.h"
#include "ProgramPaths.h"
#include "ResourceStrings.h"
#include "TravaNotas.h"
#include "Trim.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include <exception>

namespace {

constexpr int kMensagemAnotacao = 500;
constexpr int kMensagemDiretorio = 503;
constexpr int kMensagemArquivoRecusado = 880;
constexpr int kMensagemPastaOcupada = 881;
constexpr int kMensagemSemPasta = 882;
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

bool CNotas::semPasta() const { return trim::blanks(m_Diretorio).isEmpty(); }

bool CNotas::EhVisivel() const { return !m_TextoNota.isNull() && !m_TextoNota->isHidden(); }

void CNotas::LeArquivo() {
  if (carregaMarcas()) m_IDAtual = -1;
}

bool CNotas::carregaMarcas() {
  if (semPasta()) {
    m_Marcas = MarcasNotas(m_gravador);
    return true;
  }
  const QString pasta = pastaArquivos();
  files::removeStaleTemporaries(pasta);  // left by saves a crash ended
  switch (m_Marcas.carrega(pasta)) {
    case MarcasNotas::Carga::Lida:
      return true;
    case MarcasNotas::Carga::Recusada:
      mensagemArquivo(kMensagemArquivoRecusado, pasta + QStringLiteral("/notas.dat"));
      return false;
    case MarcasNotas::Carga::SemGravacao:
      break;
  }
  mensagem(kMensagemDiretorio);
  return false;
}

// A note the old folder would not take stays in the box and goes to the
// new folder (a message comes only when that one refuses it too).
void CNotas::AlteraDir(const QString& caminho) {
  const bool salva = salvaSemPerder(false);
  m_Diretorio = caminho;
  carregaMarcas();
  if (salva) {
    m_IDAtual = -1;
    m_Alterada = false;
  }
  VerificaVerbete(m_IDMostrado);
}

void CNotas::VerificaVerbete(std::int32_t IDVerbete) {
  if (m_TextoNota.isNull() || m_Indicador.isNull()) return;
  m_IDMostrado = IDVerbete;
  if (!salvaSemPerder()) return;
  try {
    if (IDVerbete == -1) {
      escondeCaixa();
    } else {
      mostraNota(IDVerbete);
    }
    m_IDAtual = IDVerbete;
    m_Alterada = false;
  } catch (const std::exception& erro) {
    mensagemErro(erro);
    escondeCaixa();
    m_IDAtual = -1;
    m_Alterada = false;
  }
}

// A note that cannot be saved is not lost: it stays in the box, open, with
// its entry, and the next display change tries again.
bool CNotas::salvaSemPerder(bool avisa) {
  try {
    salvaPendente();
    return true;
  } catch (const std::exception& erro) {
    if (avisa) {
      mensagemErro(erro);
    } else {
      qWarning("notes: %s", erro.what());
    }
    if (!vazio(textoCaixa())) mostraCaixa();
    return false;
  }
}

// Writes the open note, or removes it and its mark when it was erased, under
// the folder's lock. The order leaves nothing unreachable when the second
// step fails: a mark without its file is cleared when the entry is shown,
// whereas a note file without its mark would never be shown again.
void CNotas::salvaPendente() {
  if (!m_Alterada || m_IDAtual == -1) return;
  const QString texto = textoCaixa();
  if (semPasta()) {
    if (vazio(texto)) return;
    throw ErroNotas("no notes folder is set", ErroNotas::Causa::SemPasta);
  }
  const TravaNotas trava(pastaArquivos());
  if (vazio(texto)) {
    ArquivoNota::apaga(m_Diretorio, m_IDAtual);
    m_Marcas.desmarca(m_IDAtual, trava);
  } else {
    m_Marcas.marca(m_IDAtual, trava);
    ArquivoNota::grava(m_Diretorio, m_IDAtual, texto, m_gravador);
  }
  m_Alterada = false;
}

void CNotas::mostraNota(std::int32_t id) {
  m_Marcas.atualiza();  // notes another program saved meanwhile
  if (!m_Marcas.tem(id)) {
    defineTextoCaixa(QString());
    escondeCaixa();
    return;
  }
  LeNota(id);
  if (textoCaixa().isEmpty()) desmarcaSemNota(id);
  if (textoCaixa().isEmpty()) {
    escondeCaixa();
  } else {
    mostraCaixa();
  }
}

// Marked, but its file is missing or empty. Looked at again under the lock:
// another program saving this note sets the mark before it writes the file.
void CNotas::desmarcaSemNota(std::int32_t id) {
  const TravaNotas trava(pastaArquivos());
  LeNota(id);
  if (textoCaixa().isEmpty()) m_Marcas.desmarca(id, trava);
}

void CNotas::LeNota(std::int32_t id) {
  defineTextoCaixa(QString());
  defineTextoCaixa(ArquivoNota::le(m_Diretorio, id));
}

bool CNotas::SalvaNota() { return salvaSemPerder(false); }

void CNotas::setVisible(bool Valor) {
  if (m_IDAtual == -1 || semPasta() || m_TextoNota.isNull() || m_Indicador.isNull()) return;
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

QString CNotas::pastaArquivos() const { return paths::toFileSystem(m_Diretorio); }

// The folder is named as the file system knows it, whatever separators the
// setting was stored with.
void CNotas::mensagem(int idTexto) { mensagemArquivo(idTexto, pastaArquivos()); }

void CNotas::mensagemArquivo(int idTexto, const QString& arquivo) {
  m_dialogos.MsgBox(LoadResString(idTexto).replace(QStringLiteral("%1"), arquivo), dlg::vbCritical,
                    LoadResString(kTitulo));
}

void CNotas::mensagemErro(const std::exception& erro) {
  qWarning("notes: %s", erro.what());
  const auto* notas = dynamic_cast<const ErroNotas*>(&erro);
  if (notas == nullptr || notas->causa() == ErroNotas::Causa::Gravacao) {
    mensagem(kMensagemAnotacao);
  } else if (notas->causa() == ErroNotas::Causa::ArquivoRecusado) {
    mensagemArquivo(kMensagemArquivoRecusado, notas->arquivo());
  } else if (notas->causa() == ErroNotas::Causa::SemPasta) {
    mensagem(kMensagemSemPasta);
  } else {
    mensagem(kMensagemPastaOcupada);
  }
}
