#include "Register.h"

#include "Ansi.h"

namespace Register {
namespace {

constexpr reg::DWORD kAcessoTotal = 0x1F0037;
constexpr reg::DWORD kNaoVolatil = 0;
constexpr reg::DWORD kCarregaNaPartida = 3;

// A string value's data is its text, without a terminating NUL.
void gravaTexto(reg::IRegistry& registro, reg::HKEY chave, const char* nome, const QString& texto) {
  const QByteArray dados = ansi::fromUnicode(texto);
  registro.RegSetValueExA(chave, nome, 0, reg::REG_SZ, dados.constData(), static_cast<reg::DWORD>(dados.size()));
}

void gravaNumero(reg::IRegistry& registro, reg::HKEY chave, const char* nome, std::uint32_t valor) {
  const char dados[4] = {static_cast<char>(valor & 0xFF), static_cast<char>((valor >> 8) & 0xFF),
                         static_cast<char>((valor >> 16) & 0xFF), static_cast<char>((valor >> 24) & 0xFF)};
  registro.RegSetValueExA(chave, nome, 0, reg::REG_DWORD, dados, sizeof dados);
}

}  // namespace

QByteArray ChaveAddin(const QString& aplicacao) {
  return QByteArrayLiteral("Software\\Microsoft\\Office\\") + ansi::fromUnicode(aplicacao) +
         QByteArrayLiteral("\\Addins\\") + ProgID;
}

bool VerificaAddinInstalado(reg::IRegistry& registro) {
  reg::HKEY chave = 0;
  if (registro.RegOpenKeyExA(reg::HKEY_LOCAL_MACHINE, ChaveAddin(QStringLiteral("Word")), 0, reg::KEY_QUERY_VALUE,
                             &chave) != reg::ERROR_SUCCESS)
    return false;
  registro.RegCloseKey(chave);
  return true;
}

void RegistraAddinWord(reg::IRegistry& registro) { RegistraAddin(registro, QStringLiteral("Word")); }

void RemoveAddinWord(reg::IRegistry& registro) { RemoveAddin(registro, QStringLiteral("Word")); }

void RegistraAddin(reg::IRegistry& registro, const QString& aplicacao) {
  reg::HKEY chave = 0;
  reg::DWORD disposicao = 0;
  if (registro.RegCreateKeyExA(reg::HKEY_LOCAL_MACHINE, ChaveAddin(aplicacao), 0, QByteArray(), kNaoVolatil,
                               kAcessoTotal, nullptr, &chave, &disposicao) != reg::ERROR_SUCCESS)
    return;
  if (disposicao == reg::REG_CREATED_NEW_KEY) {
    gravaTexto(registro, chave, "FriendlyName", QString::fromLatin1(ProgID));
    gravaTexto(registro, chave, "Description", QStringLiteral("Addin para consulta de verbetes no Vocabra"));
    gravaNumero(registro, chave, "LoadBehavior", kCarregaNaPartida);
    gravaNumero(registro, chave, "CommandLineSafe", 0);
  }
  registro.RegCloseKey(chave);
}

void RemoveAddin(reg::IRegistry& registro, const QString& aplicacao) {
  registro.RegDeleteKeyA(reg::HKEY_LOCAL_MACHINE, ChaveAddin(aplicacao));
}

}  // namespace Register
