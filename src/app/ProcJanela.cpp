#include "ProcJanela.h"

#include "frmMain.h"

#include <QMouseEvent>

ProcJanela::ProcJanela(frmMain& janela) : m_janela(janela) {
  m_janela.installEventFilter(this);
  for (ImageControl* imagem : m_janela.findChildren<ImageControl*>()) imagem->installEventFilter(this);
}

ProcJanela::~ProcJanela() {
  m_janela.removeEventFilter(this);
  for (ImageControl* imagem : m_janela.findChildren<ImageControl*>()) imagem->removeEventFilter(this);
}

bool ProcJanela::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    m_janela.TrataMouseMove();
  } else if (event->type() == QEvent::MouseButtonRelease &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    m_janela.TrataLButtonUp();
  }
  return false;
}
