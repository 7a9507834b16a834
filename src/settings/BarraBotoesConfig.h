#pragma once

class QPushButton;
class QWidget;

// The Restore / OK / Cancel bar of the settings dialogs; OK is the default
// button, so Enter confirms. The buttons carry their control names.
struct BarraBotoesConfig {
  QWidget* barra = nullptr;
  QPushButton* cmdRestaurar = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancelar = nullptr;
};

// Makes the bar inside `dialogo` (which owns it).
BarraBotoesConfig MontaBarraBotoesConfig(QWidget* dialogo);
