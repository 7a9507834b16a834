#pragma once

#include "Dialogs.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

// Dialogs that answer from a script and record every call.
class ScriptedDialogs final : public dlg::IDialogs {
 public:
  struct Call {
    QString prompt;
    int style = 0;
    QString title;
  };

  // The answers of the next message boxes, in order; once they run out a box
  // answers with its first button (vbOK, vbYes, vbAbort or vbRetry).
  void answer(int result) { answers_.push_back(result); }

  int MsgBox(const QString& prompt, int style, const QString& title) override;

  // The answers of the next folder and file choosers, in order; once they
  // run out a chooser is cancelled (an empty text).
  void answerPath(const QString& path) { paths_.push_back(path); }
  QString BrowseForFolder(const QString& title, bool showNetwork) override;
  QString GetOpenFileName(const QString& title, const QString& filter, const QString& initialDir) override;
  // The titles the choosers were shown with.
  const std::vector<QString>& chooserTitles() const { return chooserTitles_; }

  // The answers of the next colour dialogs, in order: a colour (0xBBGGRR)
  // or nothing for a cancel; once they run out the dialog is cancelled.
  void answerColor(std::optional<std::int32_t> color) { colors_.push_back(color); }
  // Throws dlg::CancelError for a cancel, as the real dialog does.
  std::int32_t ShowColor(std::int32_t color) override;
  // The colours the colour dialogs were preset with.
  const std::vector<std::int32_t>& colorPresets() const { return colorPresets_; }

  const std::vector<Call>& calls() const { return calls_; }
  // The prompts of the message boxes shown, in order.
  QStringList prompts() const;

 private:
  std::deque<int> answers_;
  std::vector<Call> calls_;
  std::deque<QString> paths_;
  std::vector<QString> chooserTitles_;
  std::deque<std::optional<std::int32_t>> colors_;
  std::vector<std::int32_t> colorPresets_;
};
