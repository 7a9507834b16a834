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
  QString BrowseForFolder(const QString& title, bool showNetwork) override;
  QString GetOpenFileName(const QString& title, const QString& filter, const QString& initialDir) override;
  // Over QColorDialog.
  std::int32_t ShowColor(std::int32_t color) override;

  // A filter of description and pattern pairs ("Texto|*.txt|") in Qt's
  // form ("Texto (*.txt)"), one filter a line.
  static QString QtFilter(const QString& filter);

 private:
  QWidget* parent_ = nullptr;
};

}  // namespace dlg
