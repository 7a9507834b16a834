// Drawing the word list into its buffer, and its layout on resize.
#include "CList.h"

#include "Ansi.h"
#include "CListConstantes.h"
#include "Numbers.h"

#include <algorithm>
#include <cmath>

namespace {

// Where a word's homograph number starts: after its first character 160, or
// failing that its first character 159; -1 when it has neither.
qsizetype MarcaHomografo(const QString& palavra) {
  const qsizetype nbsp = palavra.indexOf(QChar(0xA0));
  return nbsp >= 0 ? nbsp : palavra.indexOf(ansi::chr(159));
}

}  // namespace

void CList::Repaint() {
  if (!m_FundoLista) return;
  bufer_.Cls();
  if (ultimo_ >= 0) {
    DesenhaBarra();
    bufer_.setFontSize(tamFonte_);
    alturaLinha_ = bufer_.TextHeight(QStringLiteral("W"));
    bufer_.CurrentY = lista::kTopoPrimeiraLinha;
    for (std::int32_t i = 0; i <= deslocVisivel_; ++i) {
      const std::int32_t linha = Topo() + i;
      const double topoLinha = bufer_.CurrentY;
      bufer_.CurrentX = lista::kEsquerdaTexto;
      if (linha == selecionado_) {
        const std::int32_t y = num::roundEven(topoLinha);
        const bool cheia = marcado_ != selecionado_;
        bufer_.Line(lista::kCaixaEsquerda, y, lista::kCaixaDireita, y + alturaLinha_, lista::kCorSelecao,
                    cheia ? DrawingSurface::LineKind::FilledBox : DrawingSurface::LineKind::Box);
        if (cheia) marcado_ = -1;
        bufer_.ForeColor = lista::kCorTexto;
        bufer_.CurrentX = lista::kEsquerdaTexto;
        bufer_.CurrentY = y;
      }
      // Rows outside the arrays (a list kept inconsistent by its caller) draw
      // as empty lines, as rows not loaded yet do.
      const bool existe = linha >= 0 && linha <= ultimo_;
      ImprimePalavra(existe ? palavras_[static_cast<std::size_t>(linha)] : QString());
    }
  }
  m_FundoLista->surface().PaintPicture(bufer_.image(), 0, 0);
  m_FundoLista->Refresh();
}

// Prints one row and moves to the next line; a homograph number is printed
// smaller, after a blank.
void CList::ImprimePalavra(const QString& palavra) {
  const double topoLinha = bufer_.CurrentY;
  const qsizetype marca = MarcaHomografo(palavra);
  if (marca >= 0) {
    bufer_.Print(palavra.left(marca), true);
    bufer_.setFontSize(tamFonte_ - lista::kReducaoHomografo);
    bufer_.Print(QLatin1Char(' ') + palavra.mid(marca + 1), true);
    bufer_.setFontSize(tamFonte_);
    bufer_.Print(QStringLiteral(" "), true);
  } else if (!palavra.isEmpty()) {
    bufer_.Print(palavra, true);
  }
  bufer_.CurrentX = 0;
  bufer_.CurrentY = topoLinha + alturaLinha_;
}

// The scroll bar's bitmaps at its images' places; the track shows the
// background.
void CList::DesenhaBarra() {
  const ImageControl* barra = imgScroll_[0];
  const ImageControl* cima = imgScroll_[1];
  const ImageControl* baixo = imgScroll_[2];
  if (barra && !barra->isHidden()) bufer_.PaintPicture(bmpBarra_, barra->x(), barra->y());
  if (cima) bufer_.PaintPicture(bmpSetaCima_, cima->x(), cima->y());
  if (baixo) bufer_.PaintPicture(bmpSetaBaixo_, baixo->x(), baixo->y());
}

void CList::Redimensiona() {
  if (!m_FundoLista) return;
  const int largura = m_FundoLista->width();
  const int altura = m_FundoLista->height();
  if (alturaLinha_ > 0) {
    linhasPagina_ = static_cast<std::int16_t>(std::clamp(std::floor(altura / alturaLinha_) - 2, -1.0, 32767.0));
  }
  bufer_.resize(largura + 10, altura + 10);
  if (ImageControl* baixo = imgScroll_[2]) baixo->move(baixo->x(), altura - baixo->height());
  if (ImageControl* trilho = imgScroll_[3]) trilho->resize(trilho->width(), altura);
  if (linhasPagina_ <= ultimo_) {
    deslocVisivel_ = linhasPagina_;
    m_CScroll.setTamPagina(linhasPagina_);
    m_CScroll.setValorMax(ultimo_ - deslocVisivel_);
    if (Topo() > m_CScroll.ValorMax()) m_CScroll.setValor(m_CScroll.ValorMax());
  } else {
    deslocVisivel_ = static_cast<std::int16_t>(std::max<std::int32_t>(ultimo_, -1));
    m_CScroll.setValorMax(ultimo_ - deslocVisivel_);
  }
  Repaint();
}
