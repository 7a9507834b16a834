#pragma once

#include "Screen.h"

#include <cstdint>

// The screen's work area in twips: the part the desktop leaves to windows,
// less its panels and docks on every edge, as the desktop reports it.
namespace modMain {

std::int32_t ObtemLarguraBarraEsquerda(const scr::IScreen& tela);
std::int32_t ObtemAlturaBarraTopo(const scr::IScreen& tela);
std::int32_t ObtemLarguraAreaTrabalho(const scr::IScreen& tela);
std::int32_t ObtemAlturaAreaTrabalho(const scr::IScreen& tela);

}  // namespace modMain
