#pragma once

#include "Clipboard.h"

#include <QByteArray>
#include <QString>

// Puts an HTML fragment on the clipboard in the registered "HTML Format"
// (the header of StartHTML, EndHTML, StartFragment and EndFragment offsets,
// then the page), with the style sheet of the complete display model
// (css\estilo1.css) inlined in front of the fragment, so that a word
// processor pasting it shows the entry's colours and styles.
namespace modClipBoard {

// The header's length, and so StartHTML.
inline constexpr int kTamanhoCabecalho = 167;

// The document in the HTML format: the header with its four offsets filled
// in, then `prefixo`, `html` and `sufixo`, as ANSI bytes (one per
// character, so the offsets count both). The fragment is `html`.
QByteArray MontaDocumento(const QString& prefixo, const QString& html, const QString& sufixo);

class EscritorHTML final {
 public:
  explicit EscritorHTML(clip::IClipboard& clipboard);
  Q_DISABLE_COPY_MOVE(EscritorHTML)

  // The id of "HTML Format", registered on the first call that succeeds and
  // kept from then on; 0 while registering fails.
  clip::Formato ObtemFormatoHTML();

  // Empties the clipboard and leaves the HTML document as its one format.
  // On return `html` has the style block in front, `prefixo` the start
  // comment after it and `sufixo` the end comment in front (the callers pass
  // the fragment, "<HTML><BODY>" and "</BODY></HTML>", and add the plain text
  // themselves afterwards). When the sheet cannot be read the fragment goes
  // without a style block. Leaves the clipboard untouched when the format
  // cannot be registered or the clipboard cannot be opened.
  void CopiaHTMLClipboard(QString& html, QString& prefixo, QString& sufixo);

  clip::IClipboard& clipboard() { return m_clipboard; }

 private:
  clip::IClipboard& m_clipboard;
  clip::Formato m_formato = 0;
};

}  // namespace modClipBoard
