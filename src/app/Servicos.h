#pragma once

#include "CBrowser.h"
#include "Clipboard.h"
#include "Dialogs.h"
#include "IMiniVocabraDB.h"
#include "IRegistry.h"
#include "PopupMenu.h"
#include "Screen.h"
#include "SingleInstance.h"
#include "WebOpener.h"
#include "WindowDrag.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>

// What the main window is given from outside: the platform's services and
// the maker of the dictionary component. Tests pass doubles.
struct Servicos {
  reg::IRegistry& registro;
  dlg::IDialogs& dialogos;
  const scr::IScreen& tela;
  ISingleInstance& instancia;
  // Makes a new dictionary component (on first use, and again after one
  // failed with a run-time error).
  std::function<std::unique_ptr<IMiniVocabraDB>()> criaPesquisa;
  // The command line after the program's name, joined by blanks.
  QString linhaComando;
  // Hides the splash window (when the data cannot be read).
  std::function<void()> escondeSplash;
  // Makes the page view of the browser area; empty: the real web view.
  CBrowser::CriaVisao criaVisao;
  // Where the copy commands put the entry; null: copying does nothing.
  clip::IClipboard* clipboard = nullptr;
  // The window system's move and resize loops, and the popup menus; null:
  // the real ones.
  std::shared_ptr<IWindowDrag> arrastaJanela = nullptr;
  std::shared_ptr<IPopupMenu> menusPopup = nullptr;
  // The user's web browser, for addresses outside the program; null: the
  // desktop's.
  std::shared_ptr<IWebOpener> abreWeb = nullptr;
  // Runs a settings dialog modally and returns when it has closed; empty:
  // QDialog::exec.
  std::function<void(QDialog& dialogo)> executaModal = nullptr;
};

// The service `dado`, or the real one, a new `Real`, when it is null.
template <typename Real, typename Servico>
std::shared_ptr<Servico> servicoOuReal(const std::shared_ptr<Servico>& dado) {
  return dado ? dado : std::make_shared<Real>();
}
