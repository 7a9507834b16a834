#pragma once

class QWidget;

// Places a settings dialog as it opens: at its own size (the size its
// layout asks for, whatever size it was last left at), centred on the
// window it belongs to (its parent's window, or the screen when it has
// none), and kept inside that screen's work area. The dialog's own area is
// centred (its frame adds the window manager's title above it). The
// position is set explicitly, so the window manager keeps it instead of
// placing the dialog by its own rules. Call it as the dialog is about to be
// shown (from setVisible), before Qt sizes and places it itself.
void PosicionaDialogo(QWidget& dialogo);
