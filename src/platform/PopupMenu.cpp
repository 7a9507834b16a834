#include "PopupMenu.h"

void QtPopupMenu::popup(QMenu& menu, const QPoint& globalPos) { menu.exec(globalPos); }
