#pragma once

#include "Screen.h"

#include <cstdint>

// The screen's work area, the part a docked taskbar leaves free, in twips.
// Each function falls back to the whole screen when the taskbar is not taken
// into account or its position cannot be had.
namespace modMain {

// Whether the taskbar is taken into account: its state is auto-hide alone
// or always-on-top alone.
bool VerificaBarraTarefas(const scr::IScreen& tela);
std::int32_t ObtemLarguraBarraEsquerda(const scr::IScreen& tela);
std::int32_t ObtemAlturaBarraTopo(const scr::IScreen& tela);
std::int32_t ObtemLarguraAreaTrabalho(const scr::IScreen& tela);
std::int32_t ObtemAlturaAreaTrabalho(const scr::IScreen& tela);

}  // namespace modMain
