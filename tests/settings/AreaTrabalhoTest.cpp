#include "AreaTrabalho.h"

#include "FakeScreen.h"

#include <gtest/gtest.h>

using namespace modMain;

namespace {

struct Caso {
  const char* nome;
  QRect area;  // pixels
  int esquerda, topo, largura, altura;  // twips
};

// A 1280 x 1024 screen at 15 twips per pixel: 19200 x 15360 twips. The work
// area is what the desktop leaves, whatever edges its panels take.
const Caso kCasos[] = {
    {"nothing reserved", QRect(), 0, 0, 19200, 15360},
    {"bottom panel", QRect(0, 0, 1280, 1000), 0, 0, 19200, 15000},
    {"top bar and left dock", QRect(60, 30, 1220, 994), 900, 450, 1220 * 15, 994 * 15},
    {"panels on all four edges", QRect(48, 24, 1280 - 48 - 40, 1024 - 24 - 30), 720, 360, 1192 * 15, 970 * 15},
};

TEST(AreaTrabalho, TheWorkAreaTheDesktopReports) {
  for (const Caso& c : kCasos) {
    FakeScreen tela;
    tela.work = c.area;
    EXPECT_EQ(ObtemLarguraBarraEsquerda(tela), c.esquerda) << c.nome;
    EXPECT_EQ(ObtemAlturaBarraTopo(tela), c.topo) << c.nome;
    EXPECT_EQ(ObtemLarguraAreaTrabalho(tela), c.largura) << c.nome;
    EXPECT_EQ(ObtemAlturaAreaTrabalho(tela), c.altura) << c.nome;
  }
}

}  // namespace
