#include "CEscolheLetra.h"

#include "ResourceImages.h"
#include "Twips.h"

#include <cmath>

namespace {

constexpr int kCelula = 19;
constexpr int kColunas = 13;
constexpr int kLargura = kCelula * kColunas;  // 247
constexpr int kAltura = kCelula * 2;          // 38

bool EhLetra(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }

// The cell of a letter in the bitmaps.
QRect Celula(QChar letra) {
  const int codigo = letra.unicode();
  if (codigo >= 'N') return QRect((codigo - 'N') * kCelula, kCelula, kCelula, kCelula);
  return QRect((codigo - 'A') * kCelula, 0, kCelula, kCelula);
}

}  // namespace

CEscolheLetra::CEscolheLetra(QObject* parent) : QObject(parent) {}

void CEscolheLetra::Inicializa(PictureBox& img, PictureBox& backBuffer) {
  m_PictureBox = &img;
  backBuffer_ = &backBuffer;
  bmpNormal_ = res::LoadResPicture(401);
  bmpSelecionado_ = res::LoadResPicture(402);
  bmpDestaque_ = res::LoadResPicture(403);
  img.setScale(VbControl::Scale::Twips);
  backBuffer.resize(kLargura, kAltura);
  img.setPicture(bmpNormal_);
  selecionada_ = QChar();
  destaqueLetra_ = QChar();
  connect(&img, &VbControl::MouseMove, this, &CEscolheLetra::m_PictureBox_MouseMove);
  connect(&img, &VbControl::MouseUp, this, &CEscolheLetra::m_PictureBox_MouseUp);
  connect(&img, &VbControl::LostFocus, this, &CEscolheLetra::m_PictureBox_LostFocus);
  // The box never takes the focus: the hover mark also goes when the
  // pointer leaves it, wherever it goes.
  connect(&img, &VbControl::MouseLeave, this, &CEscolheLetra::LimparDestaque);
}

QChar CEscolheLetra::LetraEm(double x, double y) {
  if (x < 0 || y < 0 || x >= kLargura || y >= kAltura) return QChar();
  const int celula = static_cast<int>(std::floor(x * kColunas / kLargura));
  return QChar((y < kCelula ? 'A' : 'N') + celula);
}

void CEscolheLetra::LimparDestaque() {
  destaqueLetra_ = QChar();
  ultimoDestaque_ = QChar();
  DesenhaLetras();
}

void CEscolheLetra::LimparSelecao() {
  selecionada_ = QChar();
  LimparDestaque();
}

void CEscolheLetra::MarcaLetra(const QString& letra) {
  const QChar primeira = letra.isEmpty() ? QChar() : letra.at(0);
  selecionada_ = EhLetra(primeira) ? primeira : QChar();
  DesenhaLetras();
}

void CEscolheLetra::m_PictureBox_MouseMove(int, int, double x, double y) {
  destaqueLetra_ = LetraEm(x / twips::perPixelX(), y / twips::perPixelY());
  if (EhLetra(destaqueLetra_) && destaqueLetra_ != ultimoDestaque_ && destaqueLetra_ != selecionada_) {
    DesenhaLetras();
  }
}

// A release outside the cells changes nothing.
void CEscolheLetra::m_PictureBox_MouseUp(int, int, double x, double y) {
  const QChar letra = LetraEm(x / twips::perPixelX(), y / twips::perPixelY());
  if (!EhLetra(letra)) return;
  selecionada_ = letra;
  LimparDestaque();
  emit SelecionaLetra(QString(selecionada_));
}

void CEscolheLetra::m_PictureBox_LostFocus() { LimparDestaque(); }

void CEscolheLetra::DesenhaLetras() {
  if (!m_PictureBox || !backBuffer_) return;
  DrawingSurface& composto = backBuffer_->surface();
  composto.Cls();
  composto.PaintPicture(bmpNormal_, 0, 0);
  if (EhLetra(selecionada_)) {
    const QRect celula = Celula(selecionada_);
    composto.PaintPicture(bmpSelecionado_, celula.x(), celula.y(), celula);
  }
  if (EhLetra(destaqueLetra_)) {
    ultimoDestaque_ = destaqueLetra_;
    const QRect celula = Celula(destaqueLetra_);
    composto.PaintPicture(bmpDestaque_, celula.x(), celula.y(), celula);
  }
  m_PictureBox->surface().PaintPicture(composto.image(), 0, 0);
  m_PictureBox->Refresh();
}
