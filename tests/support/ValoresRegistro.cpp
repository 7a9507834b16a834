#include "ValoresRegistro.h"

namespace valores {

bool gravaTexto(reg::IRegistry& registro, reg::HKEY raiz, const QByteArray& chave, const QByteArray& nome,
                const QByteArray& texto) {
  reg::HKEY aberta = 0;
  if (registro.RegCreateKeyA(raiz, chave, &aberta) != reg::ERROR_SUCCESS) return false;
  const QByteArray dados = texto + '\0';
  const bool ok = registro.RegSetValueExA(aberta, nome, 0, reg::REG_SZ, dados.constData(),
                                          static_cast<reg::DWORD>(dados.size())) == reg::ERROR_SUCCESS;
  registro.RegCloseKey(aberta);
  return ok;
}

QByteArray leBytes(reg::IRegistry& registro, reg::HKEY raiz, const QByteArray& chave, const QByteArray& nome,
                   reg::DWORD* tipo) {
  reg::HKEY aberta = 0;
  if (registro.RegOpenKeyExA(raiz, chave, 0, reg::KEY_QUERY_VALUE, &aberta) != reg::ERROR_SUCCESS) return {};
  char dados[1000];
  reg::DWORD tamanho = sizeof dados;
  const reg::LONG resultado = registro.RegQueryValueExA(aberta, nome, tipo, dados, &tamanho);
  registro.RegCloseKey(aberta);
  return resultado == reg::ERROR_SUCCESS ? QByteArray(dados, static_cast<qsizetype>(tamanho)) : QByteArray();
}

QString leTexto(reg::IRegistry& registro, reg::HKEY raiz, const QByteArray& chave, const QByteArray& nome) {
  const QByteArray bytes = leBytes(registro, raiz, chave, nome);
  return QString::fromUtf8(bytes.left(bytes.indexOf('\0')));
}

}  // namespace valores
