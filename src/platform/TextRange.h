#pragma once

#include <QString>

class PageDocument;

// A stretch [start, end) of a page's text (PageDocument::text), with the
// operations of a browser's text range that finding and painting words
// need. Positions are clamped to the text. A range must not outlive its
// document; it stays usable after the document changes, over the new text.
class TextRange final {
 public:
  enum class Unit { Character, Word, TextEdit };
  enum class Command { BackColor, ForeColor };

  TextRange(PageDocument& document, qsizetype start, qsizetype end);

  qsizetype start() const { return start_; }
  qsizetype end() const { return end_; }
  QString text() const;

  TextRange duplicate() const { return *this; }

  // Grows the range: TextEdit to the whole text; Word to the whole words it
  // touches, with the blanks after the last one; Character by nothing when
  // the range is not empty, else to the character at its start.
  void expand(Unit unit);

  // Finds `what` from the range's start onwards, without regard to case or
  // accents. Found: the range becomes the found text, true. Not found (or
  // `what` empty): false, the range unchanged.
  bool findText(const QString& what);

  // Collapses the range to its start and moves it by `characters` (negative
  // moves back), stopping at either end of the text.
  void move(qsizetype characters = 1);

  // Paints the range: BackColor the background, ForeColor the text, each a
  // CSS colour ("#ffff00").
  void execCommand(Command command, const QString& colour);

 private:
  void clamp();

  PageDocument* document_;
  qsizetype start_ = 0;
  qsizetype end_ = 0;
};
