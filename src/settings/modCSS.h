#pragma once

#include "CConfig.h"
#include "Dialogs.h"
#include "FileWriter.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The entry style sheets: css\estilo1.css, estilo2.css and estilo3.css (one
// per display model, linked by the page templates f1.htm to f3.htm) are made
// from one template, mod.dat, with the entry font size and each element's
// colour and style put in for its placeholders. Also the preview page of the
// entry-appearance dialog. The sheets are written to
// paths::styleSheetFolder(): the program folder's css, or the user's own
// when the program folder is installed or its css cannot be written (pages
// then read the user's sheets first).
namespace modCSS {

class GeradorCSS final {
 public:
  // Reads the appearance from `config` whenever a sheet is made; writes the
  // sheets through `gravador` and reports a folder it cannot write through
  // `dialogos`.
  GeradorCSS(const CConfig& config, dlg::IDialogs& dialogos, files::IFileWriter& gravador = files::disk());
  Q_DISABLE_COPY_MOVE(GeradorCSS)

  // Loads the template App.Path\mod.dat and the preview page
  // App.Path\exemplo.htm. Throws ErroArquivo when either cannot be read;
  // until it succeeds the sheets are made from empty templates.
  void InicializaCSS();

  // The sheet of display model `modo` (0 to 2) from the appearance as the
  // settings hold it now. A model outside 0-2 leaves "<mostra>" and
  // "<mostraBR>" in place. Throws std::out_of_range when the entry font size
  // index lies outside 0-3 (3 gives empty sizes).
  QString MontaCSS(std::int16_t modo) const;
  // The preview page with `css` in place of every "<estilo/>".
  QString MontaExemplo(const QString& css) const;
  // The preview page with the sheet of model 0.
  QString MontaExemploVerbete() const;

  // Writes the three sheets as UTF-8, each beginning with the rule
  // '@charset "UTF-8";', making their folder when missing. False, after
  // message 371 naming that folder, when any cannot be made or written; a
  // sheet already written stays so, and one not written keeps its earlier
  // content.
  bool GeraArquivosCSS();

  // Puts the sheets back as they were before the last GeraArquivosCSS
  // (removing one it made where there was none), for when the settings they
  // were made from could not be saved. False when one could
  // not be put back, or nothing was kept to put back.
  bool DesfazArquivosCSS();

 private:
  // Keeps what the sheets in `pasta` hold before they are replaced.
  void guardaAnteriores(const QString& pasta);

  const CConfig& m_config;
  dlg::IDialogs& m_dialogos;
  files::IFileWriter& m_gravador;
  QString m_ModeloCSS;
  QString m_ModeloExemplo;
  // What each sheet of m_pastaAnterior held before the last generation;
  // nothing for one that did not exist. Empty folder: nothing kept.
  QString m_pastaAnterior;
  std::array<std::optional<QByteArray>, 3> m_anteriores;
};

// Whether GeraArquivosCSS can write its folder (made when missing): its
// estilo1.css can be opened for appending, or, when there is none yet, the
// folder can be written (no empty sheet is left). When it cannot and
// `mostraMensagem` is true, shows message 371 naming the folder first.
bool VerificaGravacaoCSS(dlg::IDialogs& dialogos, bool mostraMensagem);

}  // namespace modCSS
