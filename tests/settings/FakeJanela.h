#pragma once

#include "IJanelaPrincipal.h"

#include <QRect>
#include <QString>

// A main window that records what the settings object does to it.
class FakeJanela final : public IJanelaPrincipal {
 public:
  explicit FakeJanela(const scr::IScreen& tela) : tela_(tela) {}
  QRect retangulo{1500, 1200, 12690, 9570};  // 846 x 638 pixels at 100, 80
  bool min = false;
  bool grip = true;

  QRect retanguloTwips() const override { return retangulo; }
  void moveTwips(const QRect& r) override { retangulo = r; }
  bool minimizada() const override { return min; }
  void minimiza() override { min = true; }
  void mostraRedimensionador(bool v) override { grip = v; }
  double twipsPorPixelX() const override { return 15; }
  double twipsPorPixelY() const override { return 15; }
  const scr::IScreen& tela() const override { return tela_; }

 private:
  const scr::IScreen& tela_;
};
