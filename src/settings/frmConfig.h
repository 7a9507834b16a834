#pragma once

#include "CConfig.h"
#include "ComandoMenu.h"
#include "Dialogs.h"
#include "IRegistry.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The general options dialog: whether the grammatical-class filters are
// summed by default, the notes folder, the display model of entries, and
// (on a hidden box) whether the word processor's add-in is registered.
//
// Make it once and keep it: every close only hides it. Each time it is shown
// it is filled from the settings anew (so edits abandoned with Cancel are
// gone) and placed centred on its parent at its own size. To open it: set
// Cancela to false, exec(); Cancela is still false when OK saved the
// options. OK first makes sure the notes folder is one the notes can use (a
// missing one is made; one that cannot be made or written is refused, with
// a message saying which), then saves the options together, and only when
// they were saved tells the main window's filter box and sends "DirNotas";
// otherwise the dialog stays open as it was.
// Controls carry their names as object names (checkFiltro0, checkFiltro1,
// txtDirNotas, cmdAlteraDiretorio, ComboApresentacao, cmdOK, cmdCancelar,
// cmdRestaurar).
class frmConfig final : public QDialog {
  Q_OBJECT

 public:
  struct Dependencias {
    CConfig& config;
    reg::IRegistry& registro;  // where the add-in is registered
    dlg::IDialogs& dialogos;
    // The main window's ComandoMenu; may be empty.
    ComandoMenu comandoMenu;
    // Gives the main window's "sum the filters" box the value saved; may be empty.
    std::function<void(int valor)> defineSomarFiltros;
  };

  explicit frmConfig(Dependencias dependencias, QWidget* parent = nullptr);
  Q_DISABLE_COPY_MOVE(frmConfig)

  // True when the dialog was closed without confirming.
  bool Cancela = false;

  // Cancel, Escape and the close box: Cancela, then hide.
  void reject() override;
  // Opening it fills it from the settings and places it, before the window
  // is shown.
  void setVisible(bool visible) override;

 private:
  void montaControles();
  QWidget* montaBotoes();
  void carrega();
  void cmdAlteraDiretorio_Click();
  void cmdOK_Click();
  void cmdRestaurar_Click();
  // The notes folder as it is to be saved, or nothing (after a message)
  // when the user is not to go on.
  std::optional<QString> pastaNotas();
  bool grava(const QString& pasta);
  void mensagem(int id, const QString& pasta);
  // The value of the filter box: 0 clear, 1 ticked, 2 greyed.
  int valorFiltro() const;

  Dependencias m_dep;

  // Owned by the dialog (Qt parent).
  std::array<QCheckBox*, 2> checkFiltro{};
  QLineEdit* txtDirNotas = nullptr;
  QPushButton* cmdAlteraDiretorio = nullptr;
  QComboBox* ComboApresentacao = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancelar = nullptr;
  QPushButton* cmdRestaurar = nullptr;
};
