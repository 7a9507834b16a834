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
