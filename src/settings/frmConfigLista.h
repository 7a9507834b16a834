#pragma once

#include "CConfig.h"
#include "Dialogs.h"

#include <QDialog>
#include <QPixmap>

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;

// The word-list font dialog: the font size of the two word lists, normal or
// expanded, with a picture of a list in the size chosen. It edits
// config.FonteLista directly; OK saves it, and stays open when it could not.
// However it closes (OK, Cancel, the close box, Escape) it reads the saved
// value back, so an edit that was not confirmed is dropped. It opens centred
// on its parent at its own size.
//
// Loaded by the constructor: make one for each opening and run it modally
// (exec). Controls carry their names as object names (comboListaVerbete,
// imgExemplo0, imgExemplo1, cmdOK, cmdCancelar, cmdRestaurar).
class frmConfigLista final : public QDialog {
  Q_OBJECT

 public:
  frmConfigLista(CConfig& config, dlg::IDialogs& dialogos, QWidget* parent = nullptr);
  Q_DISABLE_COPY_MOVE(frmConfigLista)

  // A picture of a word list drawn in the list font of `tamanho` (0 normal,
  // 1 expanded).
  static QPixmap ExemploLista(std::int16_t tamanho);

  // Reads the saved value back, then closes with `resultado`.
  void done(int resultado) override;
  // Opening it places it, before the window is shown.
  void setVisible(bool visible) override;

 private:
  void montaControles();
  void MostraExemploLista();
  void comboListaVerbete_Click();
  void cmdOK_Click();
  void cmdRestaurar_Click();

  CConfig& m_config;
  dlg::IDialogs& m_dialogos;

  // Owned by the dialog (Qt parent).
  QComboBox* comboListaVerbete = nullptr;
  std::array<QLabel*, 2> imgExemplo{};
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancelar = nullptr;
  QPushButton* cmdRestaurar = nullptr;
};
