#pragma once

#include "CConfig.h"
#include "ComandoMenu.h"
#include "Dialogs.h"
#include "IRegistry.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The general options dialog: whether the grammatical-class filters are
// summed by default, the notes folder, the display model of entries, and
// (on a hidden box) whether the word processor's add-in is registered.
//
// Make it once and keep it: it is filled from the settings the first time
// it is shown, and every close only hides it, so between openings it shows
// what it last showed (abandoned edits included). To open it: set Cancela to
// false, exec(); Cancela is still false when OK saved the options. OK saves
// them, tells the main window's filter box at once and sends "DirNotas".
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

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void montaControles();
  QWidget* montaBotoes();
  void carrega();
  void cmdAlteraDiretorio_Click();
  void cmdOK_Click();
  void cmdRestaurar_Click();
  void grava();
  // The value of the filter box: 0 clear, 1 ticked, 2 greyed.
  int valorFiltro() const;

  Dependencias m_dep;
  bool m_carregado = false;

  // Owned by the dialog (Qt parent).
  std::array<QCheckBox*, 2> checkFiltro{};
  QLineEdit* txtDirNotas = nullptr;
  QPushButton* cmdAlteraDiretorio = nullptr;
  QComboBox* ComboApresentacao = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancelar = nullptr;
  QPushButton* cmdRestaurar = nullptr;
};
