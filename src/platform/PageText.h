#pragma once

// The text of a page as text ranges see it: the content of the body's text
// nodes in document order, with a line break standing for each boundary of a
// block (paragraph, table cell, line break, ...), so that words in separate
// cells do not run together. Script, style and form-control text is left out.
// Internal to the platform layer.

#include <libxml/tree.h>

#include <QString>

#include <unordered_set>
#include <vector>

class PageText final {
 public:
  // Walks the body of `doc`.
  explicit PageText(xmlDoc* doc);

  const QString& text() const { return text_; }

  // Wraps the text in [start, end) in <span style="property:value">,
  // splitting text nodes at the ends. The text itself does not change, so
  // positions stay valid; the node map must be rebuilt afterwards (the caller
  // makes a new PageText). A span this made earlier around exactly one piece
  // gets the property added instead of a second span. `painted` remembers
  // those spans across rebuilds.
  void paint(qsizetype start, qsizetype end, const QString& property, const QString& value,
             std::unordered_set<xmlNode*>& painted) const;

 private:
  struct Piece {
    xmlNode* node = nullptr;  // text node
    qsizetype start = 0;      // position of its first character in text_
    qsizetype length = 0;
  };

  void walk(xmlNode* node);
  void addBreak();

  xmlDoc* doc_ = nullptr;
  QString text_;
  std::vector<Piece> pieces_;
};
