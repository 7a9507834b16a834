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
  // Shows the program's bitmap `name` (LoadPicture of a resource), keeping
  // the control's size; a name the program holds no bitmap for shows
  // nothing. Loading the name already shown does nothing. PictureName is
  // the last name loaded ("" after setPicture).
  void loadPicture(const QString& name);
  const QString& PictureName() const { return pictureName_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
  QString pictureName_;
};
