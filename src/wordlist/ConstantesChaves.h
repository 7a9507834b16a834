#pragma once

#include <array>
#include <cstdint>

namespace dicionario {

inline constexpr int kNumeroChaves = 3000;

// The per-entry key constants, slot 1 at index 0. An entry's key is the
// value of slot (id mod 3000) + 1; the program and the data builder read it
// through modMain's key table (TabelaChaves.h), never from here directly.
extern const std::array<std::int16_t, kNumeroChaves> kConstantesChaves;

}  // namespace dicionario
