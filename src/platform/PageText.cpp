#include "PageText.h"

#include "ChangeMarks.h"
#include "HtmlTree.h"
#include "TextFold.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

bool nameIn(const xmlNode* node, const auto& names) {
  const char* name = reinterpret_cast<const char*>(node->name);
  return std::any_of(names.begin(), names.end(), [name](const char* n) { return std::strcmp(name, n) == 0; });
}

// Elements whose content is no text of the page.
bool isHidden(const xmlNode* node) {
  static constexpr std::array kHidden{"script", "style", "head", "title", "noscript", "template",
                                      "textarea", "select", "option", "object", "iframe"};
  return nameIn(node, kHidden);
}

bool isBlock(const xmlNode* node) {
  static constexpr std::array kBlocks{"br",  "p",  "div", "table", "tr", "td", "th", "li", "ul", "ol",
                                      "h1",  "h2", "h3",  "h4",    "h5", "h6", "hr", "dl", "dt", "dd",
                                      "pre", "blockquote", "center", "address", "caption", "form"};
  return nameIn(node, kBlocks);
}

}  // namespace

PageText::PageText(xmlDoc* doc) : doc_(doc) {
  if (xmlNode* body = htmltree::body(doc)) walk(body);
}

void PageText::addBreak() {
  if (!text_.isEmpty() && !text_.endsWith(u'\n')) text_ += u'\n';
}

void PageText::walk(xmlNode* node) {
  for (xmlNode* child = node->children; child != nullptr; child = child->next) {
    if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
      const QString piece = htmltree::content(child);
      if (piece.isEmpty()) continue;
      pieces_.push_back({child, text_.size(), piece.size()});
      text_ += piece;
    } else if (child->type == XML_ELEMENT_NODE && !isHidden(child)) {
      const bool block = isBlock(child);
      if (block) addBreak();
      walk(child);
      if (block) addBreak();
    }
  }
}

const QString& PageText::folded() const {
  if (folded_.size() != text_.size()) folded_ = textfold::fold(text_);
  return folded_;
}

void PageText::paint(qsizetype start, qsizetype end, const QString& property, const QString& value,
                     std::unordered_set<xmlNode*>& painted) {
  const QString style = property + u':' + value + u';';
  // Last piece first, so the pieces a split inserts do not move the ones
  // still to do.
  for (size_t i = pieces_.size(); i-- > 0;) {
    const Piece piece = pieces_[i];
    const qsizetype from = std::max(start, piece.start);
    const qsizetype to = std::min(end, piece.start + piece.length);
    if (from < to) paintPiece(i, from - piece.start, to - piece.start, style, painted);
  }
}

void PageText::paintPiece(size_t index, qsizetype a, qsizetype b, const QString& style,
                          std::unordered_set<xmlNode*>& painted) {
  const Piece piece = pieces_[index];
  xmlNode* node = piece.node;
  const QString whole = htmltree::content(node);
  xmlNode* parent = node->parent;
  const bool wholeNode = a == 0 && b == whole.size();
  if (wholeNode && painted.count(parent) != 0 && parent->children == node && node->next == nullptr) {
    htmltree::setAttribute(parent, "style", htmltree::attribute(parent, "style") + style);
    changemarks::mark(parent, changemarks::Mark::Attributes);
    return;
  }
  changemarks::mark(parent, changemarks::Mark::Content);
  xmlNode* span = xmlNewDocNode(doc_, nullptr, reinterpret_cast<const xmlChar*>("span"), nullptr);
  htmltree::setAttribute(span, "style", style);
  painted.insert(span);
  if (wholeNode) {
    xmlReplaceNode(node, span);
    xmlAddChild(span, node);
    return;
  }
  xmlNode* middle = xmlNewDocText(doc_, nullptr);
  htmltree::setContent(middle, whole.mid(a, b - a));
  xmlAddChild(span, middle);
  const Piece middlePiece{middle, piece.start + a, b - a};
  if (a == 0) {
    // [middle][node: the rest]
    htmltree::setContent(node, whole.mid(b));
    xmlAddPrevSibling(node, span);
    pieces_[index] = {node, piece.start + b, whole.size() - b};
    pieces_.insert(pieces_.begin() + index, middlePiece);
    return;
  }
  // [node: the start][middle][after]
  htmltree::setContent(node, whole.left(a));
  xmlAddNextSibling(node, span);
  pieces_[index].length = a;
  auto at = pieces_.insert(pieces_.begin() + index + 1, middlePiece);
  if (b < whole.size()) {
    xmlNode* after = xmlNewDocText(doc_, nullptr);
    htmltree::setContent(after, whole.mid(b));
    xmlAddNextSibling(span, after);
    pieces_.insert(at + 1, Piece{after, piece.start + b, whole.size() - b});
  }
}
