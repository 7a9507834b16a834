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
  dialogo.resize(dialogo.sizeHint());
  const QRect area = tela->availableGeometry();
  const QRect sobre = dono != nullptr && dono->isVisible() ? dono->frameGeometry() : area;
  // The frame the window manager draws around it, known once it was shown.
  const QSize moldura = dialogo.frameGeometry().size() - dialogo.geometry().size();
  QRect janela(QPoint(), dialogo.size() + moldura);
  janela.moveCenter(sobre.center());
  dialogo.move(dentro(janela.left(), janela.width(), area.left(), area.left() + area.width()),
               dentro(janela.top(), janela.height(), area.top(), area.top() + area.height()));
}
