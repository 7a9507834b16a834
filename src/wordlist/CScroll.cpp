#include "CScroll.h"

#include "Numbers.h"
#include "PictureBox.h"
#include "ResourceImages.h"
#include "Twips.h"

#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

// How long an arrow must be held before it starts repeating.
constexpr int kEsperaRepeticaoMs = 500;
// The refresh rate assumed when the screen tells none.
constexpr double kQuadrosPorSegundo = 60;

}  // namespace

CScroll::CScroll(QObject* parent) : QObject(parent) {
  repeticao_.setTimerType(Qt::PreciseTimer);  // the wait is never cut short
  connect(&repeticao_, &QTimer::timeout, this, &CScroll::Repete);
}

void CScroll::Inicializa(ImageControl* img1, ImageControl* img2, ImageControl* img3, ImageControl* img4) {
  m_barraScroll = img1;
  m_imgSetaCima = img2;
  m_imgSetaBaixo = img3;
  m_fundoScroll = img4;
  const QCursor mao = res::LoadResCursor(101);
  for (ImageControl* img : {img1, img2, img3}) img->setMouseIcon(&mao);
  m_fundoScroll->lower();
  valorMax_ = 100;

  connect(img1, &VbControl::MouseDown, this, &CScroll::barraScroll_MouseDown);
  connect(img1, &VbControl::MouseMove, this, &CScroll::barraScroll_MouseMove);
  connect(img1, &VbControl::MouseUp, this, &CScroll::barraScroll_MouseUp);
  connect(img4, &VbControl::MouseDown, this, &CScroll::fundoScroll_MouseDown);
  connect(img2, &VbControl::MouseDown, this, [this] { imgSeta_MouseDown(-1); });
  connect(img3, &VbControl::MouseDown, this, [this] { imgSeta_MouseDown(+1); });
  connect(img2, &VbControl::MouseUp, this, &CScroll::imgSeta_MouseUp);
  connect(img3, &VbControl::MouseUp, this, &CScroll::imgSeta_MouseUp);
  for (const ImageControl* seta : {img2, img3}) {
    connect(seta, &VbControl::MouseMove, this,
            [this, seta](int button, int, double x, double y) { imgSeta_MouseMove(seta, button, x, y); });
    connect(seta, &VbControl::MouseLeave, this, &CScroll::ParaRepeticao);
  }
  connect(img2, &VbControl::DblClick, this, [this] { imgSeta_DblClick(-1); });
  connect(img3, &VbControl::DblClick, this, [this] { imgSeta_DblClick(+1); });
}

void CScroll::AcompanhaQuadros(const PictureBox& superficie) {
  comQuadros_ = true;
  connect(&superficie, &PictureBox::FramePainted, this, [this] { quadroPendente_ = false; });
}

void CScroll::setValor(std::int32_t valor) {
  valor_ = valor;
  PosicionaBarra();
}

void CScroll::setTamPagina(std::int32_t tamPagina) {
  tamPagina_ = tamPagina;
  PosicionaBarra();
}

void CScroll::setValorMax(std::int32_t valorMax) {
  valorMax_ = valorMax;
  if (m_barraScroll) m_barraScroll->setVisible(valorMax != 0);
}

double CScroll::BordaSetaCima() const {
  if (!m_imgSetaCima) return 0;
  return m_imgSetaCima->y() + m_imgSetaCima->height();
}

double CScroll::Curso() const {
  if (!m_imgSetaCima || !m_imgSetaBaixo || !m_barraScroll) return 0;
  return m_imgSetaBaixo->y() - m_imgSetaCima->y() - m_imgSetaCima->height() - m_barraScroll->height();
}

void CScroll::PosicionaBarra() {
  if (!m_barraScroll) return;
  double topo = BordaSetaCima();
  if (valorMax_ != 0) topo += Curso() * valor_ / valorMax_;
  MoveBarra(topo);
}

// The thumb is drawn at a whole pixel, but its top is kept as a real number
// for the arithmetic, as the image's own Top would be.
void CScroll::MoveBarra(double topo) {
  topoBarra_ = topo;
  m_barraScroll->move(m_barraScroll->x(), num::roundEven(topo));
}

double CScroll::TopoBarra() const {
  // Moved by someone else since: the drawn top is all there is.
  return num::roundEven(topoBarra_) == m_barraScroll->y() ? topoBarra_ : m_barraScroll->y();
}

void CScroll::barraScroll_MouseDown(int, int, double, double y) {
  if (valorMax_ <= 0) return;
  arrastando_ = true;
  inicioArraste_ = static_cast<std::int16_t>(num::roundEven(y));
}

void CScroll::barraScroll_MouseMove(int, int, double, double y) {
  if (!arrastando_ || !m_barraScroll || !m_imgSetaBaixo) return;
  double topo = TopoBarra() + (y - inicioArraste_) / twips::perPixelY();
  const double limiteBaixo = m_imgSetaBaixo->y() - m_barraScroll->height();
  if (topo < BordaSetaCima()) topo = BordaSetaCima();
  if (topo > limiteBaixo) topo = limiteBaixo;
  MoveBarra(topo);
  // A bar with no travel (a surface too short for it) stays at the top.
  const double curso = Curso();
  const std::int32_t novo = curso > 0 ? num::roundEven(valorMax_ / curso * (topo - BordaSetaCima())) : 0;
  if (novo == valor_) return;
  valor_ = novo;
  emit Scroll(valor_);
}

void CScroll::barraScroll_MouseUp(int, int, double, double) {
  arrastando_ = false;
  emit EndScroll(valor_);
}

void CScroll::fundoScroll_MouseDown(int, int, double, double y) {
  if (!m_barraScroll || !m_fundoScroll) return;
  const double py = m_fundoScroll->y() + y / twips::perPixelY();
  const double topo = TopoBarra();
  if (py < topo) {
    valor_ = std::max(valor_ - tamPagina_, 0);
  } else if (py > topo + m_barraScroll->height()) {
    valor_ = std::min(valor_ + tamPagina_, valorMax_);
  } else {
    return;
  }
  emit EndScroll(valor_);
  PosicionaBarra();
}

bool CScroll::NoLimite(int sentido) const { return sentido > 0 ? valor_ >= valorMax_ : valor_ <= 0; }

void CScroll::Rola(std::int32_t linhas) {
  if (linhas == 0 || NoLimite(linhas)) return;
  const std::int64_t novo = std::int64_t{valor_} + linhas;
  valor_ = static_cast<std::int32_t>(linhas > 0 ? std::min<std::int64_t>(novo, valorMax_)
                                                : std::max<std::int64_t>(novo, 0));
  // Before the event: an owner may paint at once, inside its handler.
  quadroPendente_ = comQuadros_;
  emit EndScroll(valor_);
  PosicionaBarra();
}

// One step now; the repeat starts when the wait ends, if the arrow is still
// held then.
void CScroll::imgSeta_MouseDown(int sentido) {
  passo_ = sentido;
  Rola(sentido);
  repeticao_.start(kEsperaRepeticaoMs);
}

// A tick of the repeat: after the wait the timer ticks once per screen
// refresh, and a tick steps only when the owner has painted the step before
// (a slow paint skips ticks). Stops at the bound.
void CScroll::Repete() {
  if (passo_ == 0 || NoLimite(passo_)) {
    ParaRepeticao();
    return;
  }
  const int intervalo = IntervaloQuadro();
  if (repeticao_.interval() != intervalo) repeticao_.setInterval(intervalo);
  if (quadroPendente_) return;
  Rola(passo_);
  if (NoLimite(passo_)) ParaRepeticao();
}

void CScroll::ParaRepeticao() {
  passo_ = 0;
  repeticao_.stop();
}

// One refresh of the screen the arrows are on, in whole milliseconds, never
// shorter than the refresh.
int CScroll::IntervaloQuadro() const {
  const QScreen* tela = m_imgSetaBaixo ? m_imgSetaBaixo->screen() : nullptr;
  const double taxa = tela && tela->refreshRate() > 0 ? tela->refreshRate() : kQuadrosPorSegundo;
  return static_cast<int>(std::ceil(1000.0 / taxa));
}

void CScroll::imgSeta_MouseUp() { ParaRepeticao(); }

// The pointer dragged off the held arrow, or moving with no button down (the
// release went elsewhere), ends the repeat.
void CScroll::imgSeta_MouseMove(const ImageControl* seta, int button, double x, double y) {
  if (!Repetindo()) return;
  const QPointF ponto(x / twips::perPixelX(), y / twips::perPixelY());
  if (button == 0 || !QRectF(seta->rect()).contains(ponto)) ParaRepeticao();
}

void CScroll::imgSeta_DblClick(int sentido) { Rola(sentido); }
