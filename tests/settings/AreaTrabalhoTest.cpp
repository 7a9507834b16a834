#include "AreaTrabalho.h"

#include "FakeScreen.h"

#include <gtest/gtest.h>

using namespace modMain;

namespace {

struct Caso {
  const char* nome;
  std::uint32_t estado;
  QRect barra;
  int esquerda, topo, largura, altura;  // twips
};

// A 1280 x 1024 screen at 15 twips per pixel: 19200 x 15360 twips.
const Caso kCasos[] = {
    {"no taskbar", 0, QRect(), 0, 0, 19200, 15360},
    {"auto-hide and on top together", 3, ltrb(-2, 1000, 1282, 1026), 0, 0, 19200, 15360},
    {"unknown state", 8, ltrb(-2, 1000, 1282, 1026), 0, 0, 19200, 15360},
    {"bottom edge", 2, ltrb(-2, 1000, 1282, 1026), 0, 0, 19200, 15000},
    {"top edge", 2, ltrb(-2, -2, 1282, 30), 0, 450, 19200, (1024 - 30) * 15},
    {"left edge", 2, ltrb(-2, -2, 60, 1026), 900, 0, (1280 - 60) * 15, 15360},
    {"right edge", 1, ltrb(1200, -2, 1282, 1026), 0, 0, 1200 * 15, 15360},
    {"no position", 2, QRect(), 0, 0, 19200, 15360},
    {"floating inside", 2, ltrb(100, 100, 400, 200), 0, 0, 19200, 15360},
};

TEST(AreaTrabalho, ResultsByTaskbarStateAndEdge) {
  for (const Caso& c : kCasos) {
    FakeScreen tela;
    tela.taskbarState = c.estado;
    tela.taskbar = c.barra;
    EXPECT_EQ(ObtemLarguraBarraEsquerda(tela), c.esquerda) << c.nome;
    EXPECT_EQ(ObtemAlturaBarraTopo(tela), c.topo) << c.nome;
    EXPECT_EQ(ObtemLarguraAreaTrabalho(tela), c.largura) << c.nome;
    EXPECT_EQ(ObtemAlturaAreaTrabalho(tela), c.altura) << c.nome;
  }
}

TEST(AreaTrabalho, OnlyAutoHideOrOnTopAloneCounts) {
  FakeScreen tela;
  for (const auto& [estado, conta] : {std::pair{0u, false}, {1u, true}, {2u, true}, {3u, false}, {4u, false}}) {
    tela.taskbarState = estado;
    EXPECT_EQ(VerificaBarraTarefas(tela), conta) << estado;
  }
}

TEST(AreaTrabalho, QtTaskbarFromTheReservedEdge) {
  const QRect screen(0, 0, 1280, 1024);
  EXPECT_EQ(scr::QtScreen::taskbarRect(screen, QRect(0, 0, 1280, 1000)), ltrb(-2, 1000, 1282, 1026));
  EXPECT_EQ(scr::QtScreen::taskbarRect(screen, QRect(60, 0, 1220, 1024)), ltrb(-2, -2, 60, 1026));
  EXPECT_TRUE(scr::QtScreen::taskbarRect(screen, screen).isNull());
}

}  // namespace
