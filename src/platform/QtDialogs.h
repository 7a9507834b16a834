#pragma once

#include "Dialogs.h"

class QWidget;

namespace dlg {

// The dialogs as real windows, over QMessageBox.
class QtDialogs final : public IDialogs {
 public:
  // `parent` may be null; it centres the boxes over the main window.
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

  void setParent(QWidget* parent) { parent_ = parent; }
  int MsgBox(const QString& prompt, int style, const QString& title) override;

 private:
  QWidget* parent_ = nullptr;
};

}  // namespace dlg
