#include "GiroRoda.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool sentidosOpostos(double a, double b) { return (a < 0 && b > 0) || (a > 0 && b < 0); }

std::int32_t emInt32(double linhas) {
  return static_cast<std::int32_t>(std::clamp<double>(linhas, std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t GiroRoda::Linhas(QPoint angleDelta, QPoint pixelDelta, double alturaLinha, int linhasPorEntalhe) {
  // The wheel turned away from the user (a positive delta) brings the
  // list's start into view.
  if (!pixelDelta.isNull()) {
    if (alturaLinha <= 0) return 0;
    const double pixels = -pixelDelta.y();
    if (sentidosOpostos(pixels, restoPixels_)) restoPixels_ = 0;
    restoPixels_ += pixels;
    const double linhas = std::trunc(restoPixels_ / alturaLinha);
    restoPixels_ -= linhas * alturaLinha;
    return emInt32(linhas);
  }
  const std::int64_t parte = -std::int64_t{angleDelta.y()} * linhasPorEntalhe;
  if (sentidosOpostos(static_cast<double>(parte), static_cast<double>(restoAngulo_))) restoAngulo_ = 0;
  restoAngulo_ += parte;
  const std::int64_t linhas = restoAngulo_ / kEntalhe;  // towards zero: the rest keeps its sign
  restoAngulo_ -= linhas * kEntalhe;
  return emInt32(static_cast<double>(linhas));
}
