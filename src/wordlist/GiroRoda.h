#pragma once

#include <QPoint>

#include <cstdint>

// Turns the wheel's deltas into whole rows of a list. A notch (120 eighths of
// a degree) is `linhasPorEntalhe` rows; a smooth wheel or a touchpad sends
// parts of a notch, or pixels, which add up until they make a whole row. What
// is left over waits for the next turn in the same direction; a turn the
// other way starts afresh.
class GiroRoda final {
 public:
  // The whole rows that this turn completes, positive towards the list's end
  // (the wheel turned towards the user), negative towards its start. Pixels
  // count when the platform gives them, by the row's height whatever the
  // rows a notch; else the angle does. Horizontal deltas are ignored.
  // `alturaLinha` (pixels) must be above 0 for pixels to count.
  std::int32_t Linhas(QPoint angleDelta, QPoint pixelDelta, double alturaLinha, int linhasPorEntalhe);

 private:
  static constexpr int kEntalhe = 120;

  std::int64_t restoAngulo_ = 0;  // eighths of a degree times rows a notch
  double restoPixels_ = 0;
};
