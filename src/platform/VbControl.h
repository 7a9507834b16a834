#pragma once

#include <QWidget>

// What the picture boxes and image controls share: mouse events with button
// and shift codes and coordinates in the control's scale (pixels or twips),
// Click after a release over the control, DblClick in place of the second
// press, a custom pointer and a Tag.
class VbControl : public QWidget {
  Q_OBJECT

 public:
  enum class Scale { Pixels, Twips };

  explicit VbControl(QWidget* parent = nullptr);

  Scale scale() const { return scale_; }
  void setScale(Scale scale) { scale_ = scale; }

  QString Tag;

  // A custom pointer for the control ("MouseIcon" with the custom pointer),
  // or the default when `cursor` is null.
  void setMouseIcon(const QCursor* cursor);

  // Pixels to the control's scale and back.
  double toScaleX(double pixels) const;
  double toScaleY(double pixels) const;

 signals:
  void MouseDown(int button, int shift, double x, double y);
  void MouseMove(int button, int shift, double x, double y);
  void MouseUp(int button, int shift, double x, double y);
  void Click();
  void DblClick();
  void LostFocus();
  // The pointer left the control.
  void MouseLeave();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  Scale scale_ = Scale::Pixels;
  bool afterDoubleClick_ = false;
};
