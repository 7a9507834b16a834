#include "CScroll.h"

#include "Numbers.h"
#include "ResourceImages.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace {

// How long an arrow must be held before it starts repeating.
constexpr int kEsperaRepeticaoMs = 500;

}  // namespace

CScroll::CScroll(QObject* parent) : QObject(parent) {}

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
  connect(img2, &VbControl::DblClick, this, [this] { imgSeta_DblClick(-1); });
  connect(img3, &VbControl::DblClick, this, [this] { imgSeta_DblClick(+1); });
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

void CScroll::Rola(std::int32_t linhas) {
  if (linhas == 0 || (linhas > 0 ? valor_ >= valorMax_ : valor_ <= 0)) return;
  const std::int64_t novo = std::int64_t{valor_} + linhas;
  valor_ = static_cast<std::int32_t>(linhas > 0 ? std::min<std::int64_t>(novo, valorMax_)
                                                : std::max<std::int64_t>(novo, 0));
  emit EndScroll(valor_);
  PosicionaBarra();
}

void CScroll::imgSeta_MouseDown(int sentido) {
  passo_ = sentido;
  Rola(sentido);
  AguardaRepete(sentido);
}

// Waits half a second (to its end, even after a release), then repeats the
// step as fast as the owner handles it until the arrow is released or the
// bound is reached. Yields to the event loop throughout, so the release is
// seen; stops at once if this bar is destroyed meanwhile.
void CScroll::AguardaRepete(int sentido) {
  const QPointer<CScroll> vivo(this);
  {
    QEventLoop espera;
    QTimer::singleShot(kEsperaRepeticaoMs, &espera, &QEventLoop::quit);
    espera.exec();
  }
  if (!vivo) return;
  while (passo_ == sentido && (sentido > 0 ? valor_ < valorMax_ : valor_ > 0)) {
    Rola(sentido);
    QCoreApplication::processEvents();
    if (!vivo) return;
  }
}

void CScroll::imgSeta_MouseUp() { passo_ = 0; }

void CScroll::imgSeta_DblClick(int sentido) { Rola(sentido); }
