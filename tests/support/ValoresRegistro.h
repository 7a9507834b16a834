#pragma once

#include "IRegistry.h"

#include <QByteArray>
#include <QString>

// Raw registry access for tests that set up or inspect a hive.
namespace valores {

// The settings key, where the program keeps its values.
inline const QByteArray kChaveConfiguracoes = "SOFTWARE\\Corvanta\\MiniVocabra\\";

// Creates `chave` under `raiz` and stores `texto` there as REG_SZ with its
// terminating NUL; false when the key or the value cannot be written.
bool gravaTexto(reg::IRegistry& registro, reg::HKEY raiz, const QByteArray& chave, const QByteArray& nome,
                const QByteArray& texto);

// The stored bytes of a value (its type in `*tipo` when given), or empty when
// the key or the value is missing or longer than 1000 bytes.
QByteArray leBytes(reg::IRegistry& registro, reg::HKEY raiz, const QByteArray& chave, const QByteArray& nome,
                   reg::DWORD* tipo = nullptr);

// The stored text of a value, up to its terminating NUL; "" when leBytes
// finds nothing.
QString leTexto(reg::IRegistry& registro, reg::HKEY raiz, const QByteArray& chave, const QByteArray& nome);

}  // namespace valores
