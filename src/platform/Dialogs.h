#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

// The program's modal dialogs. Components are given an IDialogs and never
// open a dialog themselves, so tests answer from a script instead of a user.
namespace dlg {

// Button and icon flags of a message box, combined by addition.
enum MsgBoxStyle : int {
  vbOKOnly = 0,
  vbOKCancel = 1,
  vbAbortRetryIgnore = 2,
  vbYesNoCancel = 3,
  vbYesNo = 4,
  vbRetryCancel = 5,
  vbCritical = 16,
  vbQuestion = 32,
  vbExclamation = 48,
  vbInformation = 64,
  vbDefaultButton2 = 256,
  vbDefaultButton3 = 512,
};

// The button that closed a message box.
enum MsgBoxResult : int {
  vbOK = 1,
  vbCancel = 2,
  vbAbort = 3,
  vbRetry = 4,
  vbIgnore = 5,
  vbYes = 6,
  vbNo = 7,
};

// Raised by ShowColor when the user cancels the colour dialog.
class CancelError final : public std::runtime_error {
 public:
  CancelError() : std::runtime_error("cancelled by the user") {}
};

class IDialogs {
 public:
  virtual ~IDialogs() = default;

  // Shows `prompt` with the buttons and icon of `style` under `title` (the
  // product title when empty) and returns the button chosen. Closing the box
  // otherwise answers as its cancel button would (vbOK for a lone OK).
  virtual int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString()) = 0;

  // Lets the user choose a folder under the prompt `title` (network places
  // too when `showNetwork`); its file-system path, or an empty text when the
  // user cancels.
  virtual QString BrowseForFolder(const QString& title, bool showNetwork) = 0;

  // Lets the user choose an existing file under `title`, starting in
  // `initialDir` (the current folder when empty). `filter` holds pairs of
  // description and patterns, each ended by "|" or NUL ("Texto|*.txt|Todos|*.*|").
  // The chosen file's path, or an empty text when the user cancels.
  virtual QString GetOpenFileName(const QString& title, const QString& filter, const QString& initialDir) = 0;

  // Lets the user choose a colour, starting from `color` (0xBBGGRR, red in
  // the low byte); the colour chosen, in the same form. Throws CancelError
  // when the user cancels.
  virtual std::int32_t ShowColor(std::int32_t color) = 0;
};

}  // namespace dlg
