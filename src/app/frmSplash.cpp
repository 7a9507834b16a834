#include "frmSplash.h"

#include "ResourceImages.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      lblSplash(this),
      tmrClose(this, 2500) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  connect(&tmrClose, &VbTimer::Timer, this, &frmSplash::tmrClose_Timer);
  Form_Load();
}

void frmSplash::Form_Load() {
  QPalette fundo = palette();
  fundo.setBrush(QPalette::Window, QPixmap::fromImage(res::LoadResPicture(QStringLiteral("SPLASH_MINI"))));
  setPalette(fundo);
  setAutoFillBackground(true);
  setFixedSize(400, 293);
  lblSplash.move(280, 270);
  lblSplash.setText(QStringLiteral("V %1.%2.%3")
                        .arg(MINIVOCABRA_VERSION_MAJOR)
                        .arg(MINIVOCABRA_VERSION_MINOR)
                        .arg(MINIVOCABRA_VERSION_PATCH));
  lblSplash.adjustSize();
  if (const QScreen* tela = QGuiApplication::primaryScreen()) {
    move(tela->geometry().center() - rect().center());
  }
}

bool frmSplash::Form_QueryUnload(ModoDescarga modo) {
  if (!tmrClose.Enabled() && modo == ModoDescarga::Codigo) {
    tmrClose.setEnabled(true);
    return false;
  }
  close();
  return true;
}

void frmSplash::tmrClose_Timer() {
  tmrClose.setEnabled(false);
  close();
  if (m_janelaPrincipal != nullptr && m_janelaPrincipal->isVisible()) m_janelaPrincipal->activateWindow();
}
