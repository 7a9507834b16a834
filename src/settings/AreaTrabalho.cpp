#include "AreaTrabalho.h"

#include "Numbers.h"

#include <optional>

namespace modMain {
namespace {

// The screen in twips and pixels, and the taskbar when it counts.
struct Medidas {
  double SW, SH, TX, TY;
  std::int64_t WP, HP;
  std::optional<QRect> barra;  // left, top, right, bottom in pixels
};

Medidas mede(const scr::IScreen& tela) {
  Medidas m{};
  m.TX = tela.twipsPerPixelX();
  m.TY = tela.twipsPerPixelY();
  m.SW = tela.sizePixels().width() * m.TX;
  m.SH = tela.sizePixels().height() * m.TY;
  m.WP = num::roundEven(m.SW / m.TX);
  m.HP = num::roundEven(m.SH / m.TY);
  if (VerificaBarraTarefas(tela)) {
    scr::APPBARDATA dados;
    if (tela.SHAppBarMessage(scr::ABM_GETTASKBARPOS, dados) != 0) m.barra = dados.rc;
  }
  return m;
}

}  // namespace

bool VerificaBarraTarefas(const scr::IScreen& tela) {
  scr::APPBARDATA dados;
  const std::uint32_t estado = tela.SHAppBarMessage(scr::ABM_GETSTATE, dados);
  return estado == scr::ABS_AUTOHIDE || estado == scr::ABS_ALWAYSONTOP;
}

std::int32_t ObtemLarguraBarraEsquerda(const scr::IScreen& tela) {
  const Medidas m = mede(tela);
  if (!m.barra) return 0;
  const QRect& b = *m.barra;
  return b.left() < 0 && b.right() < m.WP ? num::roundEven(b.right() * m.TX) : 0;
}

std::int32_t ObtemAlturaBarraTopo(const scr::IScreen& tela) {
  const Medidas m = mede(tela);
  if (!m.barra) return 0;
  const QRect& b = *m.barra;
  return b.top() < 0 && b.bottom() < m.HP ? num::roundEven(b.bottom() * m.TY) : 0;
}

std::int32_t ObtemLarguraAreaTrabalho(const scr::IScreen& tela) {
  const Medidas m = mede(tela);
  if (!m.barra) return num::roundEven(m.SW);
  const int L = m.barra->left();
  const int R = m.barra->right();
  if (L <= 0 && R >= m.WP) return num::roundEven(m.SW);
  if (L < 0 && R < m.WP) return num::roundEven((m.WP - R) * m.TX);
  if (L > 0 && R >= m.WP) return num::roundEven(L * m.TX);
  return num::roundEven(m.SW);
}

std::int32_t ObtemAlturaAreaTrabalho(const scr::IScreen& tela) {
  const Medidas m = mede(tela);
  if (!m.barra) return num::roundEven(m.SH);
  const int T = m.barra->top();
  const int B = m.barra->bottom();
  if (T <= 0 && B >= m.HP) return num::roundEven(m.SH);
  if (T < 0 && B < m.HP) return num::roundEven((m.HP - B) * m.TY);
  if (T > 0 && B >= m.HP) return num::roundEven(T * m.TY);
  return num::roundEven(m.SH);
}

}  // namespace modMain
