#include "PageText.h"

#include "HtmlTree.h"

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

QString styleWith(const QString& style, const QString& property, const QString& value) {
  QString result = style.trimmed();
  if (!result.isEmpty() && !result.endsWith(u';')) result += u';';
  return result + property + u':' + value + u';';
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

void PageText::paint(qsizetype start, qsizetype end, const QString& property, const QString& value,
                     std::unordered_set<xmlNode*>& painted) const {
  // Last piece first: linking a node may merge it into the text node after
  // it, which is then one already done.
  for (auto it = pieces_.rbegin(); it != pieces_.rend(); ++it) {
    const Piece& piece = *it;
    const qsizetype from = std::max(start, piece.start);
    const qsizetype to = std::min(end, piece.start + piece.length);
    if (from >= to) continue;
    xmlNode* node = piece.node;
    const QString whole = htmltree::content(node);
    const qsizetype a = from - piece.start;
    const qsizetype b = to - piece.start;
    const bool wholeNode = a == 0 && b == whole.size();
    xmlNode* parent = node->parent;
    if (wholeNode && painted.count(parent) != 0 && parent->children == node && node->next == nullptr) {
      htmltree::setAttribute(parent, "style", styleWith(htmltree::attribute(parent, "style"), property, value));
      continue;
    }
    xmlNode* span = xmlNewDocNode(doc_, nullptr, reinterpret_cast<const xmlChar*>("span"), nullptr);
    htmltree::setAttribute(span, "style", styleWith(QString(), property, value));
    if (wholeNode) {
      xmlReplaceNode(node, span);
      xmlAddChild(span, node);
    } else {
      // libxml2 merges neighbouring text nodes when linking one, so the
      // painted text goes into its span before the span is linked.
      xmlNode* middle = xmlNewDocText(doc_, nullptr);
      htmltree::setContent(middle, whole.mid(a, b - a));
      xmlAddChild(span, middle);
      if (a > 0) {
        htmltree::setContent(node, whole.left(a));
        xmlAddNextSibling(node, span);
        if (b < whole.size()) {
          xmlNode* after = xmlNewDocText(doc_, nullptr);
          htmltree::setContent(after, whole.mid(b));
          xmlAddNextSibling(span, after);
        }
      } else {
        htmltree::setContent(node, whole.mid(b));
        xmlAddPrevSibling(node, span);
      }
    }
    painted.insert(span);
  }
}
