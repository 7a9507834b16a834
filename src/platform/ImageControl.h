#pragma once

#include "VbControl.h"

#include <QPixmap>

// An image control: shows its Picture (or nothing, letting what is behind
// show through) and reports the mouse in twips, as such controls do.
class ImageControl final : public VbControl {
  Q_OBJECT

 public:
  explicit ImageControl(QWidget* parent = nullptr);

  const QPixmap& Picture() const { return picture_; }
  // Shows `picture`; with `fitToPicture` (the default) the control takes the
  // picture's size.
  void setPicture(const QPixmap& picture, bool fitToPicture = true);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};
