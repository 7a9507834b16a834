#pragma once

#include <cstdint>

// The per-entry key table: 3000 fixed 16-bit keys, one of which goes with
// every request for an entry's text.
namespace modMain {

// Stores the 3000 constants into the table, slot 1 to 3000 in order. Runs
// once at start-up, before any entry is requested; later calls change
// nothing. Until it has run every slot holds 0, which no entry accepts.
void InicializaChaves();

// The key of entry `id`: the value of slot (id mod 3000) + 1, widened with
// its sign (a value with its top bit set comes out negative). 0 for a
// negative id, which names no entry.
std::int32_t ChaveVerbete(std::int32_t id);

}  // namespace modMain
