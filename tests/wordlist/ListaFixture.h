#pragma once

#include "CList.h"
#include "DrawingSurface.h"
#include "FakeMiniVocabraDB.h"
#include "PictureBox.h"

#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

// Where the tests say the window and the pointer are.
class TelaFixa final : public IWindowScreen {
 public:
  QRect windowRect() const override { return janela; }
  QPoint cursorPos() const override { return cursor; }
  QRect janela{100, 50, 846, 638};
  QPoint cursor{0, 0};
};

// A word list on a surface of the main window's size, over a scripted
// alphabet: 500 words of "a" (ids 0-499), 1000 of "b" (500-1499), 40 of "c"
// (1500-1539), 20 of "d" (1540-1559), 10 of "e" (1560-1569), 1 of "f" (1570).
class ListaFixture : public ::testing::Test {
 protected:
  ListaFixture() {
    fundo.setObjectName(QStringLiteral("PicLista"));
    fundo.setGeometry(6, 210, 253, AlturaParaLinhas(25));
    tip.hide();
    lista.Inicializa(fundo, db, &tip);
    lista.DefineJanela(&tela, &pesquisando);
    lista.Redimensiona();
  }

  // The row height of the list's font, as the font in use measures it.
  static double AlturaLinha(double pontos = 7.5) {
    DrawingSurface medida;
    medida.setFontName(QStringLiteral("Verdana"));
    medida.setFontSize(pontos);
    return medida.TextHeight(QStringLiteral("W"));
  }
  // A surface height that holds `linhas` rows per page.
  static int AlturaParaLinhas(int linhas) { return static_cast<int>(std::ceil((linhas + 2) * AlturaLinha())); }

  // Builds the letter list and loads it completely; returns the ticks taken.
  int ListaECarrega(const QString& letra, std::int32_t pos) {
    lista.ListaLetra(letra, pos);
    int ticks = 1;
    while (lista.CarregaListaLetra() && ticks < 10000) ++ticks;
    return ticks;
  }

  // The y at the middle of drawn row `i` (0 = the top row), for clicks.
  double MeioLinha(int i) const { return 10 + (i + 0.5) * lista.AlturaLinha(); }

  QWidget form;
  PictureBox fundo{&form};
  QLabel tip{&form};
  QWidget pesquisando{&form};
  TelaFixa tela;
  std::shared_ptr<FakeMiniVocabraDB> db = std::make_shared<FakeMiniVocabraDB>(
      FakeMiniVocabraDB::Alfabeto({{'a', 500}, {'b', 1000}, {'c', 40}, {'d', 20}, {'e', 10}, {'f', 1}}));
  CList lista;
};
