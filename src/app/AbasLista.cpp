#include "AbasLista.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <array>

namespace AbasLista {
namespace {

const QColor kCorPainel(223, 230, 242);
const QColor kCorMoldura(140, 162, 199);
const QColor kCorTexto(0x1C, 0x40, 0x75);
constexpr int kTopoSelecionada = 3;
constexpr int kTopoOutra = 7;

// Verdana at 11 pixels, smaller when the caption would not fit its tab.
QFont fonteQueCabe(const QString& texto, int largura, bool negrito) {
  QFont fonte(QStringLiteral("Verdana"));
  fonte.setBold(negrito);
  for (int pixels = 11; pixels > 7; --pixels) {
    fonte.setPixelSize(pixels);
    if (QFontMetrics(fonte).horizontalAdvance(texto) <= largura - 6) break;
  }
  return fonte;
}

void desenhaAba(QPainter& pintor, const QRect& aba, const QString& texto, bool selecionada, int fundo) {
  const QRect corpo(aba.left(), selecionada ? kTopoSelecionada : kTopoOutra, aba.width(),
                    fundo - (selecionada ? kTopoSelecionada : kTopoOutra) + 1);
  pintor.fillRect(corpo, selecionada ? QColor(Qt::white) : kCorPainel);
  pintor.setPen(kCorMoldura);
  pintor.drawLine(corpo.topLeft(), corpo.topRight());
  pintor.drawLine(corpo.topLeft(), corpo.bottomLeft());
  pintor.drawLine(corpo.topRight(), corpo.bottomRight());
  if (!selecionada) pintor.drawLine(corpo.bottomLeft(), corpo.bottomRight());
  pintor.setFont(fonteQueCabe(texto, aba.width(), selecionada));
  pintor.setPen(kCorTexto);
  pintor.drawText(corpo, Qt::AlignCenter, texto);
}

}  // namespace

QPixmap desenha(int selecionada, QSize tamanho, int divisa) {
  QPixmap imagem(tamanho);
  imagem.fill(kCorPainel);
  QPainter pintor(&imagem);
  const int fundo = tamanho.height() - 1;
  const std::array<QRect, 2> abas = {QRect(0, 0, divisa, tamanho.height()),
                                     QRect(divisa, 0, tamanho.width() - divisa, tamanho.height())};
  const std::array<QString, 2> textos = {QStringLiteral("Dicionário"), QStringLiteral("Resultados da Pesquisa")};
  for (int i = 0; i < 2; ++i) {
    const QRect aba = abas[i].adjusted(i == 0 ? 0 : 1, 0, i == 0 ? -1 : 0, 0);  // a pixel apart
    desenhaAba(pintor, aba, textos[i], i == selecionada, fundo);
  }
  return imagem;
}

}  // namespace AbasLista
