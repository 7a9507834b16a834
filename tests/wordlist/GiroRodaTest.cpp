#include "GiroRoda.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One turn of the wheel: its angle and pixel deltas (vertical unless said).
struct Volta {
  QPoint angulo;
  QPoint pixels;
};

Volta Angulo(int y) { return {QPoint(0, y), QPoint()}; }
Volta Pixels(int y) { return {QPoint(0, y), QPoint(0, y)}; }

struct Giros {
  const char* nome;
  int linhasPorEntalhe;
  double alturaLinha;
  std::vector<Volta> voltas;
  std::vector<int> linhas;  // what each turn gives
};

void PrintTo(const Giros& g, std::ostream* os) { *os << g.nome; }

class GiroRodaTest : public ::testing::TestWithParam<Giros> {};

TEST_P(GiroRodaTest, TurnsAddUpToWholeRows) {
  const Giros g = GetParam();
  GiroRoda giro;
  std::vector<int> linhas;
  for (const Volta& v : g.voltas) linhas.push_back(giro.Linhas(v.angulo, v.pixels, g.alturaLinha, g.linhasPorEntalhe));
  EXPECT_EQ(linhas, g.linhas);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, GiroRodaTest,
    ::testing::Values(
        Giros{"a notch towards the user goes down the desktop's rows", 3, 12, {Angulo(-120)}, {3}},
        Giros{"a notch away goes up", 3, 12, {Angulo(120), Angulo(240)}, {-3, -6}},
        Giros{"five rows a notch", 5, 12, {Angulo(-120)}, {5}},
        Giros{"no rows a notch", 0, 12, {Angulo(-120)}, {0}},
        Giros{"thirds of a notch at one row a notch", 1, 12, {Angulo(-40), Angulo(-40), Angulo(-40)}, {0, 0, 1}},
        Giros{"eighths of a notch", 3, 12,
              {Angulo(-15), Angulo(-15), Angulo(-15), Angulo(-15), Angulo(-15), Angulo(-15), Angulo(-15), Angulo(-15)},
              {0, 0, 1, 0, 0, 1, 0, 1}},
        Giros{"a turn back drops what was left", 1, 12, {Angulo(-60), Angulo(60), Angulo(60)}, {0, 0, -1}},
        Giros{"pixels count by the row's height", 3, 12,
              {Pixels(-5), Pixels(-5), Pixels(-5), Pixels(-5), Pixels(-5)}, {0, 0, 1, 0, 1}},
        Giros{"pixels upwards", 3, 12, {Pixels(30)}, {-2}},
        Giros{"pixels turned back drop what was left", 3, 12, {Pixels(-11), Pixels(11), Pixels(11)}, {0, 0, -1}},
        Giros{"pixels with no row height", 3, 0, {Pixels(-50)}, {0}},
        Giros{"sideways turns", 3, 12, {Volta{QPoint(-120, 0), QPoint()}, Volta{QPoint(), QPoint(-40, 0)}}, {0, 0}}));

}  // namespace
