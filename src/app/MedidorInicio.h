#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <optional>

// Start-up timing, for measuring: when MINIVOCABRA_T0 holds the launch time
// (nanoseconds since the epoch, as `date +%s%N` prints it), each milestone
// prints its milliseconds since then on standard error, and the program
// ends once the start page is painted. Without the variable it does nothing.
class MedidorInicio final {
 public:
  MedidorInicio();

  bool ativo() const { return m_inicio.has_value(); }
  // Prints "<marco> <ms>".
  void marca(const char* marco) const;

 private:
  std::optional<std::int64_t> m_inicio;
};
