#include "TabelaChaves.h"

#include "ConstantesChaves.h"

#include <array>

namespace modMain {
namespace {

// The table's one home: filled by InicializaChaves, read-only afterwards.
struct Tabela {
  std::array<std::int16_t, dicionario::kNumeroChaves> slots{};
  bool preenchida = false;
};

Tabela& tabela() {
  static Tabela instancia;
  return instancia;
}

}  // namespace

void InicializaChaves() {
  Tabela& t = tabela();
  if (t.preenchida) return;
  for (int i = 0; i < dicionario::kNumeroChaves; ++i) t.slots[i] = dicionario::kConstantesChaves[i];
  t.preenchida = true;
}

std::int32_t ChaveVerbete(std::int32_t id) {
  if (id < 0) return 0;
  return static_cast<std::int32_t>(tabela().slots[id % dicionario::kNumeroChaves]);
}

}  // namespace modMain
