#include "CConfig.h"

#include "Ansi.h"
#include "ResourceStrings.h"
#include "StoredText.h"
#include "TabelaConfiguracoes.h"

#include <QScopedValueRollback>

#include <exception>

namespace {

constexpr int kMensagemFalhaUsuario = 890;
constexpr int kMensagemFalhaPrograma = 891;

const QByteArray& chaveConfiguracoes() {
  static const QByteArray chave(TabelaConfiguracoes::ChaveConfiguracoes);
  return chave;
}

}  // namespace

CConfig::CConfig(reg::IRegistry& registry, dlg::IDialogs& dialogs)
    : m_registro(registry), m_dialogos(dialogs) {}

std::optional<QString> CConfig::consulta(reg::HKEY raiz, const QString& chave, Abertura* abertura) {
  reg::HKEY hKey = 0;
  const bool aberta =
      m_registro.RegOpenKeyExA(raiz, chaveConfiguracoes(), 0, reg::KEY_QUERY_VALUE, &hKey) == reg::ERROR_SUCCESS;
  if (abertura != nullptr) *abertura = aberta ? Abertura::Aberta : Abertura::Fechada;
  if (!aberta) return std::nullopt;

  QByteArray buffer(TamanhoBuffer, ' ');
  reg::DWORD tamanho = TamanhoBuffer;
  const reg::LONG resultado =
      m_registro.RegQueryValueExA(hKey, ansi::fromUnicode(chave), nullptr, buffer.data(), &tamanho);
  m_registro.RegCloseKey(hKey);
  if (resultado != reg::ERROR_SUCCESS) return std::nullopt;

  // The data less its terminating NUL; a value stored without one is taken whole.
  buffer.truncate(static_cast<qsizetype>(tamanho));
  if (buffer.endsWith('\0')) buffer.chop(1);
  return storedtext::decode(buffer);
}

QString CConfig::LeReg(const QString& chave, const QString& padrao) {
  Abertura usuario = Abertura::Fechada;
  if (std::optional<QString> valor = consulta(reg::HKEY_CURRENT_USER, chave, &usuario)) return *valor;
  if (usuario == Abertura::Fechada) return padrao;
  return consulta(reg::HKEY_LOCAL_MACHINE, chave).value_or(padrao);
}

QString CConfig::LeRegCU(const QString& chave, const QString& padrao) {
  return consulta(reg::HKEY_CURRENT_USER, chave).value_or(padrao);
}

QString CConfig::LeRegLM(const QString& chave, const QString& padrao) {
  return consulta(reg::HKEY_LOCAL_MACHINE, chave).value_or(padrao);
}

bool CConfig::grava(reg::HKEY chaveAberta, const QString& chave, const QString& valor) {
  // The text and its terminating NUL; an empty text is the NUL alone.
  QByteArray dados = storedtext::encode(valor);
  dados.append('\0');
  return m_registro.RegSetValueExA(chaveAberta, ansi::fromUnicode(chave), 0, reg::REG_SZ, dados.constData(),
                                   static_cast<reg::DWORD>(dados.size())) == reg::ERROR_SUCCESS;
}

bool CConfig::gravaNaChave(const QString& chave, const QString& valor, bool* gravado) {
  reg::HKEY hKey = 0;
  if (m_registro.RegOpenKeyExA(reg::HKEY_CURRENT_USER, chaveConfiguracoes(), 0, reg::KEY_WRITE, &hKey) !=
      reg::ERROR_SUCCESS)
    return false;
  *gravado = grava(hKey, chave, valor);
  m_registro.RegCloseKey(hKey);
  return true;
}

bool CConfig::GravaReg(const QString& chave, const QString& Valor) {
  bool resultado = false;
  try {
    // A key that still does not open once created gives False, not a retry.
    if (!gravaNaChave(chave, Valor, &resultado) && CriaChave()) gravaNaChave(chave, Valor, &resultado);
  } catch (const std::exception& erro) {
    m_dialogos.MsgBox(QString::fromLocal8Bit(erro.what()));
  }
  if (!resultado && m_emGrupo) m_falhaNoGrupo = true;
  return resultado;
}

bool CConfig::GravaGrupo(Origem origem, const std::function<void()>& grava) {
  // A group inside another is part of the outermost one, which saves it.
  if (m_emGrupo) {
    grava();
    return true;
  }
  m_falhaNoGrupo = false;
  m_registro.BeginChanges();
  try {
    const QScopedValueRollback emGrupo(m_emGrupo, true);
    grava();
  } catch (...) {
    m_registro.EndChanges(true);
    throw;
  }
  // A group with a failed write is dropped whole.
  const bool salvo = m_registro.EndChanges(m_falhaNoGrupo) == reg::ERROR_SUCCESS && !m_falhaNoGrupo;
  if (!salvo) avisaFalha(origem);
  return salvo;
}

void CConfig::avisaFalha(Origem origem) {
  if (origem == Origem::Programa) {
    if (m_falhaEstadoAvisada) return;
    m_falhaEstadoAvisada = true;
  }
  const int mensagem = origem == Origem::Usuario ? kMensagemFalhaUsuario : kMensagemFalhaPrograma;
  m_dialogos.MsgBox(LoadResString(mensagem).replace(QStringLiteral("%1"),
                                                    m_registro.HiveFilePath(reg::HKEY_CURRENT_USER)),
                    dlg::vbExclamation, LoadResString(100));
}

bool CConfig::CriaChave() {
  reg::HKEY hKey = 0;
  if (m_registro.RegCreateKeyA(reg::HKEY_CURRENT_USER, chaveConfiguracoes(), &hKey) != reg::ERROR_SUCCESS)
    return false;
  m_registro.RegCloseKey(hKey);
  return true;
}
