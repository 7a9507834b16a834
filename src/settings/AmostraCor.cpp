#include "AmostraCor.h"

#include "VbColor.h"

#include <QMouseEvent>
#include <QPalette>

AmostraCor::AmostraCor(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setAutoFillBackground(true);
  setCursor(Qt::PointingHandCursor);
  setFixedSize(40, 20);
  defineCor(0);
}

void AmostraCor::defineCor(std::int32_t cor) {
  m_cor = cor;
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, vb::toQColor(cor));
  setPalette(paleta);
}

void AmostraCor::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a release inside the box, as with a button.
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Click();
  QFrame::mouseReleaseEvent(event);
}
