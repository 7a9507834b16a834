#include "PosicaoDialogo.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// `valor` moved so that [valor, valor + tamanho) lies inside [de, ate), or
// to `de` when it cannot.
int dentro(int valor, int tamanho, int de, int ate) { return std::max(de, std::min(valor, ate - tamanho)); }

}  // namespace

void PosicionaDialogo(QWidget& dialogo) {
  const QWidget* dono = dialogo.parentWidget() != nullptr ? dialogo.parentWidget()->window() : nullptr;
  const QScreen* tela = dono != nullptr ? dono->screen() : QGuiApplication::primaryScreen();
  if (tela == nullptr) return;
  const QRect area = tela->availableGeometry();
  const QRect sobre = dono != nullptr && dono->isVisible() ? dono->geometry() : area;
  // The dialog itself, not its frame, is placed: the frame is known only
  // once the window manager has drawn it, and it is the same either way.
  QRect lugar(QPoint(), dialogo.sizeHint());
  lugar.moveCenter(sobre.center());
  lugar.moveTo(dentro(lugar.left(), lugar.width(), area.left(), area.left() + area.width()),
               dentro(lugar.top(), lugar.height(), area.top(), area.top() + area.height()));
  dialogo.setGeometry(lugar);
}
