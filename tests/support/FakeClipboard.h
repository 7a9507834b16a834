#pragma once

#include "Clipboard.h"

#include <QStringList>

#include <map>

// A clipboard in memory that records every call ("Open", "Empty",
// "RegisterFormat HTML Format", "SetData HTML Format", "Close", "Clear",
// "SetText"), and can be told to be held by another program or to refuse
// registering formats.
class FakeClipboard final : public clip::IClipboard {
 public:
  bool ocupado = false;       // Open fails
  bool semRegistro = false;   // RegisterFormat gives 0

  bool Open() override;
  void Empty() override;
  clip::Formato RegisterFormat(const QString& nome) override;
  bool SetData(clip::Formato formato, const QByteArray& dados) override;
  void Close() override;
  void Clear() override;
  void SetText(const QString& texto) override;

  const QStringList& chamadas() const { return chamadas_; }
  int registros() const { return registros_; }
  // What the clipboard holds, by format name; "text" is the plain text.
  const std::map<QString, QByteArray>& conteudo() const { return conteudo_; }
  QByteArray dados(const QString& formato) const;

 private:
  QStringList chamadas_;
  std::map<clip::Formato, QString> nomes_;
  std::map<QString, QByteArray> conteudo_;
  int registros_ = 0;
  bool aberto_ = false;
};
