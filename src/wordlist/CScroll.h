#pragma once

#include "ImageControl.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>

class PictureBox;

// A vertical scroll bar made of four image controls that its owner places: a
// thumb, an up arrow (at the top), a down arrow (at the bottom) and a track
// behind them. It keeps a value from 0 to a maximum, places the thumb in
// proportion, and turns thumb drags, track clicks and arrow presses into new
// values. The images carry no pictures; the owner paints the bar.
//
// Image positions are the container's pixels; the images report the mouse in
// twips. Everything runs on the GUI thread. A held arrow steps once, waits
// half a second, then repeats from a timer, once per frame the owner paints:
// its handlers return at once and the event loop runs freely meanwhile.
class CScroll final : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CScroll)

 public:
  explicit CScroll(QObject* parent = nullptr);

  // The current value (the owner's top row). Writing stores it unchecked and
  // places the thumb; it raises no event.
  std::int32_t Valor() const { return valor_; }
  void setValor(std::int32_t valor);
  // The step of a track click. Writing places the thumb.
  std::int32_t TamPagina() const { return tamPagina_; }
  void setTamPagina(std::int32_t tamPagina);
  // The largest value. Writing shows the thumb exactly when it is not 0 and
  // does not move it.
  std::int32_t ValorMax() const { return valorMax_; }
  void setValorMax(std::int32_t valorMax);

  // Binds the thumb, the up arrow, the down arrow and the track, gives the
  // first three the hand pointer, sends the track to the back and sets the
  // maximum to 100 (the thumb's visibility is left alone). The images must be
  // non-null; they are not owned.
  void Inicializa(ImageControl* img1, ImageControl* img2, ImageControl* img3, ImageControl* img4);
  // The owner's surface, which shows each step it is told of by EndScroll: a
  // held arrow's next step waits until the surface has painted the one
  // before, so the rows never run ahead of the screen. Without it the steps
  // come at the screen's refresh rate alone. `superficie` must outlive the
  // bar.
  void AcompanhaQuadros(const PictureBox& superficie);

  // Moves the value by `linhas` (negative: up), held within 0 and the
  // maximum, as held arrows would step it: when it moves, raises EndScroll
  // once and places the thumb; at the bound it does nothing.
  void Rola(std::int32_t linhas);

  // How far the thumb can move, in pixels: from the up arrow's bottom edge to
  // the down arrow's top less the thumb's height.
  double Curso() const;

  // An arrow is held: the bar waits to repeat or is repeating. False again
  // once the arrow is released, the pointer leaves it, or the bound is
  // reached.
  bool Repetindo() const { return repeticao_.isActive(); }

 signals:
  // While the thumb is dragged, each time the value changes.
  void Scroll(std::int32_t Valor);
  // When a drag ends, after a track click, and after each arrow step.
  void EndScroll(std::int32_t Valor);

 private:
  void PosicionaBarra();
  void MoveBarra(double topo);
  double TopoBarra() const;
  double BordaSetaCima() const;
  bool NoLimite(int sentido) const;
  void Repete();
  void ParaRepeticao();
  int IntervaloQuadro() const;

  void barraScroll_MouseDown(int button, int shift, double x, double y);
  void barraScroll_MouseMove(int button, int shift, double x, double y);
  void barraScroll_MouseUp(int button, int shift, double x, double y);
  void fundoScroll_MouseDown(int button, int shift, double x, double y);
  void imgSeta_MouseDown(int sentido);
  void imgSeta_MouseUp();
  void imgSeta_MouseMove(const ImageControl* seta, int button, double x, double y);
  void imgSeta_DblClick(int sentido);

  std::int32_t valorMax_ = 0;
  std::int32_t valor_ = 0;
  std::int32_t tamPagina_ = 0;
  int passo_ = 0;
  QTimer repeticao_;             // the wait, then one tick per screen refresh
  bool comQuadros_ = false;      // steps wait for the owner's frames
  bool quadroPendente_ = false;  // the last step is not on screen yet
  bool arrastando_ = false;
  std::int16_t inicioArraste_ = 0;
  double topoBarra_ = 0;  // the thumb's top in real pixels

  QPointer<ImageControl> m_barraScroll;
  QPointer<ImageControl> m_imgSetaCima;
  QPointer<ImageControl> m_imgSetaBaixo;
  QPointer<ImageControl> m_fundoScroll;
};
