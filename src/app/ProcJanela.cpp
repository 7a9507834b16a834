#include "ProcJanela.h"

#include "ImageControl.h"

#include <QMouseEvent>
#include <QWidget>

ProcJanela::ProcJanela(QWidget& janela, std::function<void()> aoMover, std::function<void()> aoSoltar)
    : m_janela(janela), m_aoMover(std::move(aoMover)), m_aoSoltar(std::move(aoSoltar)) {
  m_janela.installEventFilter(this);
  for (ImageControl* imagem : m_janela.findChildren<ImageControl*>()) imagem->installEventFilter(this);
}

ProcJanela::~ProcJanela() {
  m_janela.removeEventFilter(this);
  for (ImageControl* imagem : m_janela.findChildren<ImageControl*>()) imagem->removeEventFilter(this);
}

bool ProcJanela::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    m_aoMover();
  } else if (event->type() == QEvent::MouseButtonRelease &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    m_aoSoltar();
  }
  return false;
}
