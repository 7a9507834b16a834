#include "ScriptedDialogs.h"

int ScriptedDialogs::MsgBox(const QString& prompt, int style, const QString& title) {
  calls_.push_back(Call{prompt, style, title});
  if (!answers_.empty()) {
    const int result = answers_.front();
    answers_.pop_front();
    return result;
  }
  switch (style & 7) {
    case dlg::vbYesNoCancel:
    case dlg::vbYesNo: return dlg::vbYes;
    case dlg::vbAbortRetryIgnore: return dlg::vbAbort;
    case dlg::vbRetryCancel: return dlg::vbRetry;
    default: return dlg::vbOK;
  }
}

QStringList ScriptedDialogs::prompts() const {
  QStringList prompts;
  for (const Call& call : calls_) prompts << call.prompt;
  return prompts;
}

namespace {

QString next(std::deque<QString>& answers) {
  if (answers.empty()) return QString();
  QString path = answers.front();
  answers.pop_front();
  return path;
}

}  // namespace

QString ScriptedDialogs::BrowseForFolder(const QString& title, bool) {
  chooserTitles_.push_back(title);
  return next(paths_);
}

QString ScriptedDialogs::GetOpenFileName(const QString& title, const QString&, const QString&) {
  chooserTitles_.push_back(title);
  return next(paths_);
}

std::int32_t ScriptedDialogs::ShowColor(std::int32_t color) {
  colorPresets_.push_back(color);
  std::optional<std::int32_t> answer;
  if (!colors_.empty()) {
    answer = colors_.front();
    colors_.pop_front();
  }
  if (!answer) throw dlg::CancelError();
  return *answer;
}
