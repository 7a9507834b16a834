#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The system clipboard, as the program uses it: opened, emptied and given
// data in registered formats (the HTML format), and given plain text beside
// what it holds.
namespace clip {

// A registered clipboard format; 0 is none.
using Formato = std::uint32_t;

class IClipboard {
 public:
  virtual ~IClipboard() = default;

  // Takes the clipboard for the calls below; false when it cannot be had
  // (another program holds it). Every successful Open needs a Close.
  virtual bool Open() = 0;
  // While open: drops everything the clipboard holds.
  virtual void Empty() = 0;
  // The id of the format named `nome`, the same for the same name; 0 when
  // it cannot be registered. Needs no Open.
  virtual Formato RegisterFormat(const QString& nome) = 0;
  // While open: puts `dados` on the clipboard in `formato`, beside the other
  // formats it holds. False for an unknown format or a clipboard not open.
  virtual bool SetData(Formato formato, const QByteArray& dados) = 0;
  // Ends the calls; what was set becomes visible to other programs.
  virtual void Close() = 0;

  // Empties the clipboard (opening and closing it).
  virtual void Clear() = 0;
  // Puts `texto` on the clipboard as plain text, beside what the program
  // itself put there since the last emptying.
  virtual void SetText(const QString& texto) = 0;
};

}  // namespace clip
