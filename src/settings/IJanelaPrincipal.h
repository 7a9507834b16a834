#pragma once

#include "Screen.h"

#include <QRect>
#include <QString>

// What the settings object needs of the main window to place it: its
// rectangle in twips, its minimised state, the resize grip, the picture of
// the maximise button and the "sum the filters" option box.
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
  // The bitmap `imgMax` shows ("BTNMAXIMIZAR" or "BTNRESTAURAR").
  virtual void defineImagemMaximizar(const QString& bitmap) = 0;
  // The value of the option box `chkAvancada(3)`.
  virtual void defineSomarFiltros(int valor) = 0;
  // The window's own scale: twips per pixel.
  virtual double twipsPorPixelX() const = 0;
  virtual double twipsPorPixelY() const = 0;
  // The screen the window lives on.
  virtual const scr::IScreen& tela() const = 0;
};
