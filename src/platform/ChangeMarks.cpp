#include "ChangeMarks.h"

#include "HtmlTree.h"

#include <QHash>
#include <QSet>

#include <cstdint>
#include <vector>

namespace changemarks {
namespace {

// The marks ride in the node's field for the application's own use, so
// they need no bookkeeping when nodes are freed.
unsigned marksOf(const xmlNode* node) {
  return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(node->_private));
}

bool has(unsigned marks, Mark what) { return (marks & static_cast<unsigned>(what)) != 0; }

// Visits every node of the page in document order.
template <typename Visit>
void forEachNode(xmlDoc* doc, Visit&& visit) {
  xmlNode* top = doc->children;
  xmlNode* node = top;
  while (node != nullptr) {
    visit(node);
    if (node->type == XML_ELEMENT_NODE && node->children != nullptr) {
      node = node->children;
      continue;
    }
    while (node->next == nullptr && node->parent != nullptr && node->parent->type != XML_DOCUMENT_NODE &&
           node->parent->type != XML_HTML_DOCUMENT_NODE) {
      node = node->parent;
    }
    node = node->next;
  }
}

// The elements a view can find: the body, and every element but the root
// whose id no other element has.
class Anchors {
 public:
  explicit Anchors(xmlDoc* doc) : root_(xmlDocGetRootElement(doc)), body_(htmltree::body(doc)) {
    forEachNode(doc, [this](xmlNode* node) {
      if (node->type == XML_ELEMENT_NODE && xmlHasProp(node, reinterpret_cast<const xmlChar*>("id")) != nullptr) {
        ++ids_[htmltree::attribute(node, "id")];
      }
    });
  }

  bool isAnchor(const xmlNode* node) const {
    if (node == body_) return true;
    if (node->type != XML_ELEMENT_NODE || node == root_) return false;
    return !idOf(node).isNull();
  }

  // The nearest anchor at or above `node`; null when there is none below
  // the root.
  xmlNode* around(xmlNode* node) const {
    for (; node != nullptr && node != root_; node = node->parent) {
      if (isAnchor(node)) return node;
    }
    return nullptr;
  }

  // The id by which a view finds the anchor; empty for the body.
  QString idOf(const xmlNode* node) const {
    if (node == body_) return QLatin1String("");
    if (xmlHasProp(node, reinterpret_cast<const xmlChar*>("id")) == nullptr) return QString();
    const QString id = htmltree::attribute(node, "id");
    return !id.isEmpty() && ids_.value(id) == 1 ? id : QString();
  }

 private:
  xmlNode* root_;
  xmlNode* body_;
  QHash<QString, int> ids_;
};

bool inside(const xmlNode* node, const QSet<const xmlNode*>& elements) {
  for (const xmlNode* up = node->parent; up != nullptr; up = up->parent) {
    if (elements.contains(up)) return true;
  }
  return false;
}

}  // namespace

void mark(xmlNode* node, Mark what) {
  node->_private = reinterpret_cast<void*>(static_cast<std::uintptr_t>(marksOf(node) | static_cast<unsigned>(what)));
}

PageChanges collect(xmlDoc* doc) {
  std::vector<std::pair<xmlNode*, unsigned>> marked;
  forEachNode(doc, [&marked](xmlNode* node) {
    if (node->_private == nullptr) return;
    marked.emplace_back(node, marksOf(node));
    node->_private = nullptr;
  });
  PageChanges result;
  if (marked.empty()) return result;

  const Anchors anchors(doc);
  std::vector<std::pair<xmlNode*, PageChange::Kind>> found;  // in document order, as marked
  QSet<const xmlNode*> contents;
  QSet<const xmlNode*> attributes;
  for (const auto& [node, marks] : marked) {
    // Attributes of an element a view cannot find go with its parent's content.
    const bool ownAttributes = has(marks, Mark::Attributes) && anchors.isAnchor(node);
    const bool content = has(marks, Mark::Content) || (has(marks, Mark::Attributes) && !ownAttributes);
    if (ownAttributes && !attributes.contains(node)) {
      attributes.insert(node);
      found.emplace_back(node, PageChange::Kind::Attributes);
    }
    if (!content) continue;
    xmlNode* anchor = anchors.around(has(marks, Mark::Content) ? node : node->parent);
    if (anchor == nullptr) return PageChanges{true, {}};
    if (contents.contains(anchor)) continue;
    contents.insert(anchor);
    found.emplace_back(anchor, PageChange::Kind::Content);
  }
  for (const auto& [node, kind] : found) {
    if (inside(node, contents)) continue;
    PageChange change{kind, anchors.idOf(node), QString(), {}};
    if (kind == PageChange::Kind::Content) change.html = htmltree::serializeChildren(doc, node);
    else change.attributes = htmltree::attributes(node);
    result.changes.push_back(std::move(change));
  }
  return result;
}

void clear(xmlDoc* doc) {
  forEachNode(doc, [](xmlNode* node) { node->_private = nullptr; });
}

}  // namespace changemarks
