#pragma once

class QWidget;

// Places a settings dialog as it opens: at its own size (the size its
// layout asks for, whatever size it was last left at), centred on the
// window it belongs to (its parent's window, or the screen when it has
// none), and kept inside that screen's work area. The position is set
// explicitly, so the window manager keeps it instead of placing the dialog
// by its own rules. Call it from the dialog's show event.
void PosicionaDialogo(QWidget& dialogo);
