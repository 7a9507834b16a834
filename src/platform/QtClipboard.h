#pragma once

#include "Clipboard.h"

#include <QMimeData>
#include <QPointer>

#include <map>
#include <optional>

namespace clip {

// The system clipboard through Qt. What the program puts there since the
// last emptying goes out as one QMimeData: plain text as "text/plain", the
// HTML format as its raw bytes under "HTML Format" and, for other programs
// that read HTML, its fragment as "text/html". Other registered formats go
// out under their names.
class QtClipboard final : public IClipboard {
 public:
  QtClipboard() = default;
  Q_DISABLE_COPY_MOVE(QtClipboard)

  bool Open() override;
  void Empty() override;
  Formato RegisterFormat(const QString& nome) override;
  bool SetData(Formato formato, const QByteArray& dados) override;
  void Close() override;
  void Clear() override;
  void SetText(const QString& texto) override;

  // The fragment of a document in the HTML format (between its StartFragment
  // and EndFragment offsets), or nothing when the offsets are missing or do
  // not lie inside the document.
  static std::optional<QByteArray> FragmentoHTML(const QByteArray& documento);

 private:
  // Drops what the program put there when another program has since taken
  // the clipboard.
  void esqueceSeSubstituido();
  void publica();

  bool m_aberto = false;
  std::map<Formato, QString> m_nomes;
  std::map<QString, QByteArray> m_dados;
  QString m_texto;
  bool m_temTexto = false;
  QPointer<QMimeData> m_publicado;
};

}  // namespace clip
