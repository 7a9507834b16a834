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
  // text() folded for finding (textfold), made on first use.
  const QString& folded() const;

  // Wraps the text in [start, end) in <span style="property:value">,
  // splitting text nodes at the ends. The text does not change, and the map
  // follows the split, so this object stays valid. A span this made earlier
  // around exactly one piece gets the property added instead of a second
  // span; `painted` remembers those spans.
  void paint(qsizetype start, qsizetype end, const QString& property, const QString& value,
             std::unordered_set<xmlNode*>& painted);

 private:
  struct Piece {
    xmlNode* node = nullptr;  // text node
    qsizetype start = 0;      // position of its first character in text_
    qsizetype length = 0;
  };

  void walk(xmlNode* node);
  void addBreak();
  void paintPiece(size_t index, qsizetype from, qsizetype to, const QString& style,
                  std::unordered_set<xmlNode*>& painted);

  xmlDoc* doc_ = nullptr;
  QString text_;
  mutable QString folded_;
  // In document order. No two text nodes of the page are ever neighbours
  // (the parser joins them, and painting keeps it so), so linking a node
  // never merges it into another and the map stays true.
  std::vector<Piece> pieces_;
};
