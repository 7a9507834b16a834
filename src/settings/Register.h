#pragma once

#include "IRegistry.h"

#include <QString>

// Registration of the word processor's add-in (VocabraAddin.Verbete), so
// that the word processor loads it at start-up: one key under
// HKEY_LOCAL_MACHINE, "Software\Microsoft\Office\<application>\Addins\<ProgID>".
// Failures (no right to write the machine's hive) are not reported; the
// options dialog shows the real state by asking VerificaAddinInstalado again.
namespace Register {

inline constexpr char ProgID[] = "VocabraAddin.Verbete";

// The key path of the add-in for `aplicacao` ("Word").
QByteArray ChaveAddin(const QString& aplicacao);

// Whether Word's add-in key exists (its values are not read).
bool VerificaAddinInstalado(reg::IRegistry& registro);
void RegistraAddinWord(reg::IRegistry& registro);
void RemoveAddinWord(reg::IRegistry& registro);

// Creates the key and, only when it did not exist, writes FriendlyName,
// Description, LoadBehavior 3 and CommandLineSafe 0. An existing key is left
// as it is.
void RegistraAddin(reg::IRegistry& registro, const QString& aplicacao);
// Deletes the key; nothing happens when it does not exist.
void RemoveAddin(reg::IRegistry& registro, const QString& aplicacao);

}  // namespace Register
