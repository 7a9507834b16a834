#include "QtDialogs.h"

#include "ResourceStrings.h"
#include "VbColor.h"

#include <QColorDialog>

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace dlg {
namespace {

using Button = std::pair<QMessageBox::StandardButton, MsgBoxResult>;

std::vector<Button> buttonsOf(int style) {
  switch (style & 7) {
    case vbOKCancel: return {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
    case vbAbortRetryIgnore:
      return {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
    case vbYesNoCancel:
      return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
    case vbYesNo: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
    case vbRetryCancel: return {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
    default: return {{QMessageBox::Ok, vbOK}};
  }
}

QMessageBox::Icon iconOf(int style) {
  switch (style & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

int QtDialogs::MsgBox(const QString& prompt, int style, const QString& title) {
  QMessageBox box(iconOf(style), title.isEmpty() ? LoadResString(100) : title, prompt, QMessageBox::NoButton,
                  parent_);
  const std::vector<Button> buttons = buttonsOf(style);
  for (const auto& [standard, unused] : buttons) box.addButton(standard);
  const std::size_t defaultIndex = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
  box.setDefaultButton(buttons[std::min(defaultIndex, buttons.size() - 1)].first);
  const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
  for (const auto& [standard, result] : buttons) {
    if (standard == chosen) return result;
  }
  // Closed with Escape or the window's close button: the cancel button's
  // answer, or No where there is no Cancel.
  for (const MsgBoxResult fallback : {vbCancel, vbNo}) {
    for (const auto& [standard, result] : buttons) {
      if (result == fallback) return result;
    }
  }
  return buttons.front().second;
}

QString QtDialogs::BrowseForFolder(const QString& title, bool) {
  return QFileDialog::getExistingDirectory(parent_, title, QString(), QFileDialog::ShowDirsOnly);
}

QString QtDialogs::GetOpenFileName(const QString& title, const QString& filter, const QString& initialDir) {
  return QFileDialog::getOpenFileName(parent_, title, initialDir, QtFilter(filter), nullptr,
                                      QFileDialog::ReadOnly);
}

std::int32_t QtDialogs::ShowColor(std::int32_t color) {
  const QColor chosen = QColorDialog::getColor(vb::toQColor(color), parent_);
  if (!chosen.isValid()) throw CancelError();
  return vb::fromQColor(chosen);
}

QString QtDialogs::QtFilter(const QString& filter) {
  QString text = filter;
  text.replace(QChar(u'\0'), QChar(u'|'));
  const QStringList parts = text.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty() && parts[i + 1].isEmpty()) break;
    QString patterns = parts[i + 1];
    patterns.replace(u';', u' ');
    filters << parts[i] + QStringLiteral(" (") + patterns + u')';
  }
  return filters.join(QStringLiteral(";;"));
}

}  // namespace dlg
