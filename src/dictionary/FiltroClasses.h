#pragma once

#include <cstdint>
#include <vector>

namespace dicionario {

// A grammatical-class filter built step by step. Classes are the filter
// codes 1 to 15; an entry's classes are a bit set with bit c for code c.
class FiltroClasses final {
 public:
  // Forgets every class named so far.
  void inicia() { passos_.clear(); }
  // Entries of class `codigo` pass too. The first class named since
  // inicia() is the filter whatever the step, so "intersect" as the first
  // step narrows the whole list rather than an empty one.
  void une(int codigo) { passos_.push_back({false, bit(codigo)}); }
  // Only entries that also have class `codigo` pass.
  void intersecta(int codigo) { passos_.push_back({true, bit(codigo)}); }

  // True when no class was named: such a filter lets everything pass.
  bool vazio() const { return passos_.empty(); }
  bool aceita(std::uint16_t classes) const;

  // The bit of a filter code; 0 (no entry has it) outside 1 to 15.
  static std::uint16_t bit(int codigo);

 private:
  struct Passo {
    bool intersecao;
    std::uint16_t bits;
  };
  std::vector<Passo> passos_;
};

}  // namespace dicionario
