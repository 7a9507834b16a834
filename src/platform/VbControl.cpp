#include "VbControl.h"

#include "MouseArgs.h"
#include "Twips.h"

VbControl::VbControl(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void VbControl::setMouseIcon(const QCursor* cursor) {
  if (cursor != nullptr) {
    setCursor(*cursor);
  } else {
    unsetCursor();
  }
}

double VbControl::toScaleX(double pixels) const {
  return scale_ == Scale::Twips ? pixels * twips::perPixelX() : pixels;
}

double VbControl::toScaleY(double pixels) const {
  return scale_ == Scale::Twips ? pixels * twips::perPixelY() : pixels;
}

void VbControl::mousePressEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  emit MouseDown(vb::buttonCode(event->button()), vb::shiftCode(event->modifiers()), toScaleX(p.x()), toScaleY(p.y()));
}

void VbControl::mouseMoveEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  emit MouseMove(vb::buttonCode(event->buttons()), vb::shiftCode(event->modifiers()), toScaleX(p.x()), toScaleY(p.y()));
}

void VbControl::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  emit MouseUp(vb::buttonCode(event->button()), vb::shiftCode(event->modifiers()), toScaleX(p.x()), toScaleY(p.y()));
  // The release that ends a double click raises no second Click.
  const bool clickEnds = !afterDoubleClick_ && event->button() == Qt::LeftButton && rect().contains(p.toPoint());
  afterDoubleClick_ = false;
  if (clickEnds) emit Click();
}

void VbControl::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  afterDoubleClick_ = true;
  emit DblClick();
}

void VbControl::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  emit LostFocus();
}

void VbControl::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  emit MouseLeave();
}
