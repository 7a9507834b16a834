// The word list's mouse and wheel handling and its scroll bar's events.
#include "CList.h"

#include "CListConstantes.h"
#include "ResourceStrings.h"

#include <QApplication>

#include <cmath>

void CList::m_FundoLista_MouseDown(int, int, double, double y) {
  if (alturaLinha_ <= 0) return;
  const double linha = std::floor((y - lista::kOrigemLinhas) / alturaLinha_) + Topo();
  if (linha >= 0) {
    const auto indice = static_cast<std::int32_t>(std::min(linha, 2147483647.0));
    if (indice != selecionado_) {
      selecionado_ = Limita(indice);
    } else {
      marcado_ = -1;
    }
  } else if (selecionado_ == -1) {
    // Above the first row: picks the first row when nothing is selected.
    selecionado_ = 0;
    marcado_ = -1;
  }
  Repaint();
}

// Over an empty list the hand shows only on its hint; elsewhere the arrow.
void CList::m_FundoLista_MouseMove(int, int, double x, double y) {
  if (deslocVisivel_ != -1 || !m_FundoLista) return;
  const bool sobreDica = x > 97 && x < 161 && y > 55 && y < 63;
  m_FundoLista->setMouseIcon(sobreDica ? &mao_ : nullptr);
}

void CList::m_FundoLista_Click() {
  if (ultimo_ >= 0) Executa();
}

// The click before a double click has already reported a single row.
void CList::m_FundoLista_DblClick() {
  if (ultimo_ > 0) Executa();
}

// The wheel, over the rows or the scroll bar, scrolls as the bar's arrows
// do: the thumb and the rows follow, and the desktop's setting gives the
// rows a notch.
void CList::m_FundoLista_MouseWheel(QPoint angleDelta, QPoint pixelDelta) {
  m_CScroll.Rola(giro_.Linhas(angleDelta, pixelDelta, alturaLinha_, QApplication::wheelScrollLines()));
}

// While the thumb is dragged only the bar's strip is redrawn, and the tip box
// shows the word that would come to the top.
void CList::m_CScroll_Scroll(std::int32_t) {
  if (!m_FundoLista) return;
  MostraTip();
  CopiaFaixaScroll();
  if (!tip_) return;
  const std::int32_t topo = Topo();
  const bool carregada = topo >= 0 && topo <= ultimo_ && !palavras_[static_cast<std::size_t>(topo)].isEmpty();
  tip_->setText(carregada ? palavras_[static_cast<std::size_t>(topo)] : LoadResString(128));
  tip_->repaint();
}

void CList::m_CScroll_EndScroll(std::int32_t) {
  if (tip_) tip_->hide();
  Repaint();
}

// The tip box goes beside the list, at the pointer's height, in the
// coordinates of the tip's own parent.
void CList::MostraTip() {
  if (!tip_) return;
  if (janela_) {
    const QRect janela = janela_->windowRect();
    QWidget* const formulario = m_FundoLista->window();
    const QPoint esquerdaLista = m_FundoLista->mapTo(formulario, QPoint(0, 0));
    QPoint destino(esquerdaLista.x() + m_FundoLista->width() - 8, janela_->cursorPos().y() - janela.top() - 16);
    QWidget* const pai = tip_->parentWidget();
    if (pai && pai != formulario && pai->window() == formulario) destino = pai->mapFrom(formulario, destino);
    tip_->move(destino);
  }
  tip_->show();
  tip_->raise();
}

void CList::CopiaFaixaScroll() {
  const int largura = m_FundoLista->width();
  const int altura = m_FundoLista->height();
  const QRect faixa(largura - lista::kFaixaScroll, 0, lista::kFaixaScroll, altura);
  bufer_.Line(faixa.left(), 0, largura, altura, lista::kCorFundo, DrawingSurface::LineKind::FilledBox);
  DesenhaBarra();
  m_FundoLista->surface().PaintPicture(bufer_.image(), faixa.left(), 0, faixa);
  m_FundoLista->Refresh();
}
