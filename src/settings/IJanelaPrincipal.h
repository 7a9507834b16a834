#pragma once

#include "Screen.h"

#include <QRect>

// What the settings object needs of a window to place it: its rectangle in
// twips, its minimised state, its resize grip (hidden while it covers the
// work area), its scale and its screen.
class IJanelaPrincipal {
 public:
  virtual ~IJanelaPrincipal() = default;

  // Left, top, width, height in twips.
  virtual QRect retanguloTwips() const = 0;
  virtual void moveTwips(const QRect& retangulo) = 0;
  // The platform's minimised state.
  virtual bool minimizada() const = 0;
  virtual void minimiza() = 0;
  // Shows or hides the resize grip `ImgResize`.
  virtual void mostraRedimensionador(bool visivel) = 0;
  // The window's own scale: twips per pixel.
  virtual double twipsPorPixelX() const = 0;
  virtual double twipsPorPixelY() const = 0;
  // The screen the window lives on.
  virtual const scr::IScreen& tela() const = 0;
};
