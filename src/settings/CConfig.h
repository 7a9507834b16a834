#pragma once

#include "Dialogs.h"
#include "IRegistry.h"

#include <QString>

#include <optional>

// The settings object: every persistent setting is a string value under the
// settings key, read with LeReg, LeRegCU or LeRegLM and written with GravaReg.
// Nothing is cached and no key is kept open between calls.
class CConfig final {
 public:
  CConfig(reg::IRegistry& registry, dlg::IDialogs& dialogs);
  Q_DISABLE_COPY_MOVE(CConfig)

  // The user's value, or the machine's when the user's key exists but lacks
  // the value (or holds it longer than the read buffer); otherwise `padrao`.
  // The machine's key is not consulted when the user's key does not exist.
  QString LeReg(const QString& chave, const QString& padrao);
  // The user's value only, otherwise `padrao`.
  QString LeRegCU(const QString& chave, const QString& padrao);
  // The machine's value only, otherwise `padrao`.
  QString LeRegLM(const QString& chave, const QString& padrao);
  // Writes `Valor` under the user's key, creating the key when it is missing.
  // True when the value was written. An exception while writing is shown in
  // a message box and gives the result reached so far.
  bool GravaReg(const QString& chave, const QString& Valor);

  // Bytes of the read buffer, the terminating NUL included.
  static constexpr reg::DWORD TamanhoBuffer = 500;

 private:
  // Reads `chave` from the settings key of `raiz`; nothing when the key does
  // not open or the query fails.
  enum class Abertura { Aberta, Fechada };
  std::optional<QString> consulta(reg::HKEY raiz, const QString& chave, Abertura* abertura = nullptr);
  bool grava(reg::HKEY chaveAberta, const QString& chave, const QString& valor);
  // Opens the user's settings key for writing and writes; false when the key
  // does not open, with `*gravado` saying whether the write itself succeeded.
  bool gravaNaChave(const QString& chave, const QString& valor, bool* gravado);
  bool CriaChave();

  reg::IRegistry& m_registro;
  dlg::IDialogs& m_dialogos;
};
