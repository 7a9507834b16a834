#include "WindowScreen.h"

#include <QWidget>

QRect QtWindowScreen::windowRect() const { return window_.window()->frameGeometry(); }
