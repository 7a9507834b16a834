#pragma once

#include <QPixmap>
#include <QSize>

// The pictures of the list selector: the word-list tab ("Dicionário") on the
// left, the results tab on the right, split at `divisa` pixels, the tab of
// `selecionada` (0 the word list, 1 the results) marked: white and joined to
// the list below, its caption bold; the other in the panel's colour behind a
// line.
namespace AbasLista {

QPixmap desenha(int selecionada, QSize tamanho, int divisa);

}  // namespace AbasLista
