// The window's layout at its size: the minimum size, what is anchored to
// which edge, the list heights, and the painting over the background.
#include "frmMain.h"

#include "ResourceImages.h"

#include <QPainter>
#include <QResizeEvent>

namespace {

constexpr int kLarguraMinima = frmMain::LarguraMinima;
constexpr int kAlturaMinima = frmMain::AlturaMinima;
const QColor kCorMoldura(140, 162, 199);
const QColor kCorSeparador(221, 221, 216);
constexpr int kFolgaGrip = 4;  // pixels between the maker's name and the grip

}  // namespace

void frmMain::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void frmMain::Form_Resize() {
  if (isMinimized() || !m_carregada) return;
  int W = width();
  int H = height();
  if (W < kLarguraMinima && H < kAlturaMinima) {
    resize(kLarguraMinima, kAlturaMinima);  // lays out again at that size
    return;
  }
  if (W < kLarguraMinima || H < kAlturaMinima) {
    W = std::max(W, kLarguraMinima);
    H = std::max(H, kAlturaMinima);
    resize(W, H);
  }
  if (btBuscar.y() != m_TopoBusca) moveBlocoBusca(m_TopoBusca);
  imgFundo[0].move(W - imgFundo[0].width(), imgFundo[0].y());
  imgFundo[2].move(imgFundo[2].x(), H - imgFundo[2].height() - 9);
  imgFundo[1].move(imgFundo[1].x(), H - imgFundo[1].height() - 9);
  posicionaBarra(W);
  imgMax.move(W - 42, imgMax.y());
  imgMin.move(W - 62, imgMin.y());
  imgClose.move(W - 22, imgClose.y());
  ImgResize.move(W - 24, H - 23);
  picBuscasAnteriores.move(picBuscasAnteriores.x(), H - picBuscasAnteriores.height() - 17);
  posicionaBrowser(W, H);
  ajustaAlturaListas();
  desenhaForm(W, H);
  // The maker's name ends clear of the resize grip's corner.
  picNomeEmpresa.setGeometry(ImgResize.x() - kFolgaGrip - lblNomeEmpresa.width(), H - lblNomeEmpresa.height() - 3,
                              lblNomeEmpresa.width(), lblNomeEmpresa.height());
  config.AtualizarPosicao();
}

void frmMain::moveBlocoBusca(int P) {
  btBuscar.move(btBuscar.x(), P);
  imgFechar.move(imgFechar.x(), P + 1);
  for (ImageControl& aba : imgBtSelLista) aba.move(aba.x(), P + 23);
  imgLetras.move(imgLetras.x(), P + 60);
  imgLetraBackBuffer.move(imgLetraBackBuffer.x(), P + 60);
  lblDescricaoPesquisa.move(lblDescricaoPesquisa.x(), P + 62);
  lblFiltros.move(lblFiltros.x(), P + 89);
  PicLista.move(PicLista.x(), P + 111);
  picLista2.move(picLista2.x(), P + 111);
}

// The entry toolbar keeps its design spacing on a wide window and shares
// the free width out on a narrow one.
void frmMain::posicionaBarra(int W) {
  if (W > 700) {
    imgNota.move(W - 123, imgNota.y());
    imgPrinter.move(W - 163, imgPrinter.y());
    btVisual[0].move(432, btVisual[0].y());
    btVisual[1].move(469, btVisual[1].y());
    btVisual[2].move(505, btVisual[2].y());
    return;
  }
  const int g = (W - 76 - 416) / 5;  // whole pixels: the difference is an integer already
  const std::array<QWidget*, 5> botoes = {&btVisual[0], &btVisual[1], &btVisual[2], &imgPrinter, &imgNota};
  for (std::size_t i = 0; i < botoes.size(); ++i)
    botoes[i]->move(420 + static_cast<int>(i) * g, botoes[i]->y());
}

void frmMain::posicionaBrowser(int W, int H) {
  if (!m_PrimeiraAtivacao && m_Notas.EhVisivel()) {
    const int alturaNota = txtNota.height();
    txtAnotacoes.move(txtAnotacoes.x(), H - alturaNota - 50);
    txtNota.setGeometry(txtNota.x(), H - alturaNota - 25, W - txtNota.x() - 10, alturaNota);
    m_browser.Tamanho(static_cast<std::int16_t>(W), static_cast<std::int16_t>(H - alturaNota - 33));
  } else {
    m_browser.Tamanho(static_cast<std::int16_t>(W), static_cast<std::int16_t>(H));
  }
}

void frmMain::ajustaAlturaListas() {
  const int fim = picBuscasAnteriores.isVisibleTo(this) ? picBuscasAnteriores.y() - 26 : imgFundo[1].y();
  const int altura = std::max(fim - PicLista.y(), 1);
  PicLista.resize(PicLista.width(), altura);
  picLista2.resize(picLista2.width(), altura);
}

// The frame, the band over a hidden entry toolbar, the panel's separators,
// the letter picker's white ground and the resize grip, recorded for
// paintEvent to lay over the background (a recording, not a window-sized
// picture: a maximised window would hold megabytes of transparent pixels).
void frmMain::desenhaForm(int W, int H) {
  m_pinturaForm = QPicture();
  QPainter pintor(&m_pinturaForm);
  const int P = m_TopoBusca;
  pintor.setPen(QPen(kCorMoldura, 3));
  pintor.drawRect(0, 0, W - 1, H - 1);
  pintor.drawLine(0, 2, W - 1, 2);
  if (m_SemVerbete) pintor.fillRect(QRect(QPoint(390, 2), QPoint(W - 1, 40)), kCorMoldura);
  pintor.setPen(QPen(kCorSeparador, 1));
  pintor.drawLine(5, 200, 5, imgFundo[1].y());
  pintor.drawLine(259, 200, 259, imgFundo[1].y());
  pintor.fillRect(QRect(QPoint(6, P + 45), QPoint(258, P + 111)), Qt::white);
  pintor.drawImage(6, P + 104, res::LoadResPicture(QStringLiteral("104")));
  if (ImgResize.isVisibleTo(this)) pintor.drawImage(W - 24, H - 23, res::LoadResPicture(QStringLiteral("RESIZE")));
  pintor.end();
  update();
}
