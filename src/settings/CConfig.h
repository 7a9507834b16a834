#pragma once

#include "Dialogs.h"
#include "ElementoVerbete.h"
#include "IJanelaPrincipal.h"
#include "IRegistry.h"

#include <QRect>

#include <QString>

#include <functional>
#include <optional>

// The settings object: every persistent setting is a string value under the
// settings key, read with LeReg, LeRegCU or LeRegLM and written with GravaReg.
// Nothing is cached and no key is kept open between calls. Values are written
// as UTF-8 and read as UTF-8 or, when not valid UTF-8, Windows-1252
// (storedtext), so a path in any script round-trips and older settings still
// read; value names stay Windows-1252.
//
// It holds the entry-appearance and list-font settings, which the style-sheet
// generator, the appearance dialogs and the main window read and change
// directly; they are loaded by Inicializar.
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

  // The nine entry elements, in their fixed order (kElementosPadrao).
  TabelaElementos ElementosVerbete;
  // Entry font size: 0 small, 1 medium, 2 large.
  std::int16_t FonteVerbete = 1;
  // Word-list font size: 0 normal, 1 expanded.
  std::int16_t FonteLista = 0;
  // Highlight colours of the searched words, 0xBBGGRR.
  std::int32_t MarcaCorFundo = 65535;
  std::int32_t MarcaCorTexto = 0;

  // Keeps the window, takes its rectangle as the normal one, state normal,
  // then loads the built-in appearance defaults and the saved appearance and
  // list-font settings over them.
  void Inicializar(IJanelaPrincipal& frmPrincipal);
  // Records the window's rectangle when the state is normal.
  void AtualizarPosicao();
  // Covers the work area (at most the screen) and hides the resize grip.
  // The window shows the state on its own maximise button.
  void MaximizarJanela();
  // Back to the normal rectangle, the resize grip shown.
  void RestaurarJanela();
  void MinimizarJanela();
  // Restores the window's rectangle and state from the settings (at
  // start-up).
  void CarregaSituacao();
  // Saves the window's rectangle and state (at shutdown), as one group of
  // the program's own state (GravaGrupo).
  bool GravaSituacao();

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
  // a message box and gives the result reached so far. Inside GravaGrupo the
  // value is only held until the group ends.
  bool GravaReg(const QString& chave, const QString& Valor);

  // Who asked for a group of writes, which decides how its failure is told.
  enum class Origem {
    Usuario,   // a dialog's OK: every failure is told
    Programa,  // the program's own state (placement, last searches): the
               // first failure of the run is told, later ones are not
  };
  // Runs `grava`; the values its GravaReg calls write reach the settings
  // file together, when the outermost group ends: every value is saved or
  // none is. True when they were saved. False when the file did not take
  // them or a GravaReg failed: nothing of the group is then saved, and the
  // user is told, naming the file (message 890, or 891 for the program's own
  // state). A group inside another is saved, and its failure told, by the
  // outer one: it gives true.
  bool GravaGrupo(Origem origem, const std::function<void()>& grava);

  // Loads the elements' colours and styles, their defaults, the entry font
  // size and the highlight colours. A value that is not saved keeps what
  // memory holds; so does a saved value that is not a valid colour, style
  // code (0-4), font size (0-2) or 32-bit number.
  void LerConfiguracoesVerbete();
  // Saves each element's colour and style, the entry font size and the
  // highlight colours (never the defaults), all or none, as the user's own
  // group (GravaGrupo): false, after telling the user, when they were not.
  bool GravarConfiguracoesVerbete();
  // Back to the defaults, in memory only.
  void RestauraConfiguracoesVerbete();
  // The entry-appearance values as saved: the built-in defaults, then the
  // saved values over them (LerConfiguracoesVerbete), so an edit in memory
  // never outlives it, not even when nothing was ever saved.
  void RecarregaConfiguracoesVerbete();
  // FonteLista from "Fonte lista" (lenient); 0 when nothing is saved or the
  // saved value is neither 0 nor 1.
  void LerConfiguracoesLista();
  // Saves FonteLista as the user's own group (GravaGrupo): false, after
  // telling the user, when it was not.
  bool GravarConfiguracoesLista();
  // FonteLista = 0, in memory only.
  void RestauraConfiguracoesLista();

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
  // The built-in table and defaults, then the saved settings.
  void CarregaPadroes();
  // The built-in table and appearance defaults, in memory.
  void PadroesVerbete();
  std::int16_t leCodigo(const QString& nome, std::int16_t atual, std::int16_t maior);
  std::int32_t leCor(const QString& nome, std::int32_t atual);

  QString leNumeroJanela(const QString& nome, int atual);

  void avisaFalha(Origem origem);

  reg::IRegistry& m_registro;
  dlg::IDialogs& m_dialogos;
  IJanelaPrincipal* m_frmPrincipal = nullptr;
  // A group is open (GravaGrupo), and whether a write inside it failed.
  bool m_emGrupo = false;
  bool m_falhaNoGrupo = false;
  // A failed save of the program's own state has been told in this run.
  bool m_falhaEstadoAvisada = false;
};
