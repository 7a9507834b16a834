#include "AreaTrabalho.h"

#include "Numbers.h"

namespace modMain {

std::int32_t ObtemLarguraBarraEsquerda(const scr::IScreen& tela) {
  return num::roundEven(tela.workArea().left() * tela.twipsPerPixelX());
}

std::int32_t ObtemAlturaBarraTopo(const scr::IScreen& tela) {
  return num::roundEven(tela.workArea().top() * tela.twipsPerPixelY());
}

std::int32_t ObtemLarguraAreaTrabalho(const scr::IScreen& tela) {
  return num::roundEven(tela.workArea().width() * tela.twipsPerPixelX());
}

std::int32_t ObtemAlturaAreaTrabalho(const scr::IScreen& tela) {
  return num::roundEven(tela.workArea().height() * tela.twipsPerPixelY());
}

}  // namespace modMain
