#include "WindowScreen.h"

#include <QCursor>
#include <QWidget>

QRect QtWindowScreen::windowRect() const { return window_.window()->frameGeometry(); }

QPoint QtWindowScreen::cursorPos() const { return QCursor::pos(); }
