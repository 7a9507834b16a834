#pragma once

#include "Dialogs.h"
#include "IJanelaPrincipal.h"
#include "IRegistry.h"

#include <QRect>

#include <QString>

#include <optional>

// The settings object: every persistent setting is a string value under the
// settings key, read with LeReg, LeRegCU or LeRegLM and written with GravaReg.
// Nothing is cached and no key is kept open between calls.
//
// It also places the borderless main window: being maximised is its own
// state (EstadoJanela), not the platform's; maximising covers the work area
// and restoring returns to the last normal rectangle (RetanguloJanela).
class CConfig final {
 public:
  CConfig(reg::IRegistry& registry, dlg::IDialogs& dialogs);
  Q_DISABLE_COPY_MOVE(CConfig)

  // Window states.
  static constexpr std::int32_t Normal = 0;
  static constexpr std::int32_t Maximizada = 2;

  // 0 normal, 2 maximised; minimising leaves it as it was.
  std::int32_t EstadoJanela = Normal;
  // The main window's last normal rectangle, in twips.
  QRect RetanguloJanela;

  // Keeps the window, takes its rectangle as the normal one, state normal.
  void Inicializar(IJanelaPrincipal& frmPrincipal);
  // Records the window's rectangle when the state is normal.
  void AtualizarPosicao();
  // Covers the work area (at most the screen) and hides the resize grip.
  void MaximizarJanela();
  // Back to the normal rectangle.
  void RestaurarJanela();
  void MinimizarJanela();
  void DefineEstadoJanela(std::int32_t estado) { EstadoJanela = estado; }
  // Restores the window's rectangle and state, and the "sum the filters"
  // box, from the settings (at start-up).
  void CarregaSituacao();
  // Saves the window's rectangle and state (at shutdown).
  void GravaSituacao();

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

  QString leNumeroJanela(const QString& nome, int atual);

  reg::IRegistry& m_registro;
  dlg::IDialogs& m_dialogos;
  IJanelaPrincipal* m_frmPrincipal = nullptr;
};
