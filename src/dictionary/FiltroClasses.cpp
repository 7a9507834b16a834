#include "FiltroClasses.h"

namespace dicionario {

bool FiltroClasses::aceita(std::uint16_t classes) const {
  if (passos_.empty()) return true;
  bool passa = (classes & passos_.front().bits) != 0;
  for (std::size_t i = 1; i < passos_.size(); ++i) {
    const bool tem = (classes & passos_[i].bits) != 0;
    passa = passos_[i].intersecao ? (passa && tem) : (passa || tem);
  }
  return passa;
}

std::uint16_t FiltroClasses::bit(int codigo) {
  return codigo >= 1 && codigo <= 15 ? static_cast<std::uint16_t>(1u << codigo) : 0;
}

}  // namespace dicionario
