#pragma once

#include "MarcasNotas.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <exception>

class QPlainTextEdit;
class QWidget;

namespace dlg {
class IDialogs;
}

// One free-text note per dictionary entry, edited in the note box beside the
// entry. The notes folder holds notas.dat (which entries have a note, so
// showing an entry without one opens no file) and one file per note. Edits
// reach the disk at the next display change (VerificaVerbete), as the note
// file written or removed and its mark set or cleared.
class CNotas final : public QObject {
  Q_OBJECT

 public:
  // Note files and the bitmap are written through `gravador`.
  explicit CNotas(dlg::IDialogs& dialogos, files::IFileWriter& gravador = files::disk(), QObject* parent = nullptr);
  Q_DISABLE_COPY_MOVE(CNotas)

  // Binds the note box `txtNota` and the image `txtLabel` shown beside it
  // (neither owned; both must outlive this object or die with it), and takes
  // the notes folder `caminho` (as the setting "DirNotas" holds it). Reads
  // no file. Call once, before anything else.
  void Inicializa(QPlainTextEdit& txtNota, const QString& caminho, QWidget& txtLabel);

  // Loads notas.dat from the folder, creating it empty when missing; no entry
  // is then current. With no folder set (a blank setting), no entry has a
  // note and nothing is read. When the folder does not let it be read and written,
  // shows message 503, and message 880 naming notas.dat when that is not a
  // regular file of the folder (nothing is read from it); no entry then has
  // a note. Stale temporaries of earlier saves in the folder are removed
  // first.
  void LeArquivo();

  // The display changed: saves the note being edited (when it was edited),
  // then shows the note of `IDVerbete`, or hides the box for -1 (a list or a
  // page). The box is shown when the entry has a note and hidden otherwise;
  // a mark whose note file is missing or empty is cleared.
  // When the note cannot be saved, shows a message (500; 880 naming a file
  // that is not a regular file of the folder; 881 when another program
  // keeps the folder locked) and nothing else changes: the box stays open
  // with the text and its entry, and the next call tries again. When the
  // note of `IDVerbete` cannot be shown (its file refused or unreadable, an
  // id outside 0 to 145,031), shows the message, hides the box and leaves
  // no entry current.
  void VerificaVerbete(std::int32_t IDVerbete);

  // Whether the note box is shown (its own flag, whatever its parent's).
  bool EhVisivel() const;

  // Shows or hides the box at the user's request. Nothing happens when no
  // entry is current, when no notes folder is set, or when hiding a box that
  // holds text.
  void setVisible(bool Valor);

  // Saves the note being edited now, without a message; false when it could
  // not be saved (it then stays in its open box). For a close, which has no
  // later display change to try again.
  bool SalvaNota();

  // Switches to the notes folder `caminho` (kept even when it cannot be
  // used). The note being edited is first saved in the old folder (when
  // that fails, in the new one), and the entry on screen then shows its
  // note from the new one.
  void AlteraDir(const QString& caminho);

 signals:
  // The note box was shown or hidden: the owner lays itself out again.
  void Posiciona();

 private:
  void m_TextoNota_Change() { m_Alterada = true; }
  // The box's text with its line breaks as CR LF, and the reverse.
  QString textoCaixa() const;
  void defineTextoCaixa(const QString& texto);
  static bool vazio(const QString& texto);
  // No notes folder is set: the user chose to go without notes, so no file
  // is read or written.
  bool semPasta() const;

  // False, after a message when `avisa`, when the note could not be saved.
  bool salvaSemPerder(bool avisa = true);
  void salvaPendente();
  void LeNota(std::int32_t id);
  bool carregaMarcas();
  void mostraNota(std::int32_t id);
  void desmarcaSemNota(std::int32_t id);
  void mostraCaixa();
  void escondeCaixa();
  QString pastaArquivos() const;
  void mensagem(int idTexto);
  void mensagemArquivo(int idTexto, const QString& arquivo);
  void mensagemErro(const std::exception& erro);

  dlg::IDialogs& m_dialogos;
  files::IFileWriter& m_gravador;
  QString m_Diretorio;
  QPointer<QPlainTextEdit> m_TextoNota;
  QPointer<QWidget> m_Indicador;
  MarcasNotas m_Marcas{m_gravador};
  bool m_Alterada = false;
  std::int32_t m_IDAtual = -1;     // whose note the box holds
  std::int32_t m_IDMostrado = -1;  // the entry on screen (differs after a failed save)
};
