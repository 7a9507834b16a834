#include "HtmlTree.h"

#include "HtmlWriter.h"

#include <libxml/HTMLtree.h>
#include <libxml/xmlerror.h>

#include <cstring>

namespace htmltree {
namespace {

constexpr int kParseOptions = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET |
                              HTML_PARSE_IGNORE_ENC | HTML_PARSE_NODEFDTD;

void ignoreGenericError(void*, const char*, ...) {}
void ignoreStructuredError(void*, xmlErrorPtr) {}

// Pages are the program's own and the user's; libxml2's complaints about
// their markup are of no use on the console.
void silenceLibxml() {
  static const bool done = [] {
    xmlSetGenericErrorFunc(nullptr, ignoreGenericError);
    xmlSetStructuredErrorFunc(nullptr, ignoreStructuredError);
    return true;
  }();
  (void)done;
}

const xmlChar* xml(const char* text) { return reinterpret_cast<const xmlChar*>(text); }

DocPtr parseUtf8(const QByteArray& utf8) {
  silenceLibxml();
  return DocPtr(htmlReadMemory(utf8.constData(), static_cast<int>(utf8.size()), nullptr, "UTF-8", kParseOptions));
}

xmlNode* childElement(xmlNode* parent, const char* name) {
  for (xmlNode* child = parent ? parent->children : nullptr; child != nullptr; child = child->next) {
    if (isElement(child, name)) return child;
  }
  return nullptr;
}

// Gives the page an <html> root and a <body>, whatever the parser made.
void ensureBody(xmlDoc* doc) {
  xmlNode* root = xmlDocGetRootElement(doc);
  if (root == nullptr || !isElement(root, "html")) {
    xmlNode* html = xmlNewDocNode(doc, nullptr, xml("html"), nullptr);
    if (root != nullptr) {
      xmlReplaceNode(root, html);
      xmlAddChild(html, root);
    } else {
      xmlDocSetRootElement(doc, html);
    }
    root = html;
  }
  if (childElement(root, "body") == nullptr) xmlNewChild(root, nullptr, xml("body"), nullptr);
}

// Copies the top-level nodes the fragment's parse produced into `target`.
// Markup after a stray "</body>" lands beside the body; it is taken too.
void copyChildren(xmlNode* from, xmlDoc* doc, xmlNode* target) {
  for (xmlNode* child = from->children; child != nullptr; child = child->next) {
    if (isElement(child, "head")) continue;
    if (isElement(child, "html") || isElement(child, "body")) {
      copyChildren(child, doc, target);
      continue;
    }
    xmlNode* copy = xmlDocCopyNode(child, doc, 1);
    if (copy != nullptr && xmlAddChild(target, copy) == nullptr) xmlFreeNode(copy);
  }
}

}  // namespace

DocPtr parseDocument(const QString& html) {
  DocPtr doc = parseUtf8(html.toUtf8());
  if (!doc) doc.reset(htmlNewDocNoDtD(nullptr, nullptr));
  ensureBody(doc.get());
  return doc;
}

xmlNode* body(xmlDoc* doc) { return childElement(xmlDocGetRootElement(doc), "body"); }

xmlNode* findById(xmlDoc* doc, QStringView id) {
  const QByteArray wanted = id.toUtf8();
  xmlNode* node = xmlDocGetRootElement(doc);
  while (node != nullptr) {
    if (node->type == XML_ELEMENT_NODE) {
      xmlChar* value = xmlGetNoNsProp(node, xml("id"));
      const bool match = value != nullptr && wanted == reinterpret_cast<const char*>(value);
      xmlFree(value);
      if (match) return node;
      if (node->children != nullptr) {
        node = node->children;
        continue;
      }
    }
    while (node != nullptr && node->next == nullptr) node = node->parent;
    if (node != nullptr) node = node->next;
  }
  return nullptr;
}

QString serializeDocument(xmlDoc* doc) { return htmlwriter::document(doc); }

QString serializeChildren(xmlDoc*, xmlNode* element) {
  QString out;
  for (const xmlNode* child = element->children; child != nullptr; child = child->next) htmlwriter::write(child, out);
  return out;
}

void replaceChildren(xmlDoc* doc, xmlNode* element, const QString& fragment) {
  while (element->children != nullptr) {
    xmlNode* child = element->children;
    xmlUnlinkNode(child);
    xmlFreeNode(child);
  }
  if (fragment.isEmpty()) return;
  const DocPtr parsed = parseUtf8(QByteArrayLiteral("<html><body>") + fragment.toUtf8());
  if (parsed) copyChildren(reinterpret_cast<xmlNode*>(parsed.get()), doc, element);
}

QString attribute(const xmlNode* element, const char* name) {
  xmlChar* value = xmlGetNoNsProp(element, xml(name));
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}

void setAttribute(xmlNode* element, const char* name, const QString& value) {
  xmlSetProp(element, xml(name), reinterpret_cast<const xmlChar*>(value.toUtf8().constData()));
}

QList<std::pair<QString, QString>> attributes(const xmlNode* element) {
  QList<std::pair<QString, QString>> list;
  for (const xmlAttr* attr = element->properties; attr != nullptr; attr = attr->next) {
    xmlChar* value = xmlNodeListGetString(element->doc, attr->children, 1);
    list.emplace_back(QString::fromUtf8(reinterpret_cast<const char*>(attr->name)),
                      QString::fromUtf8(reinterpret_cast<const char*>(value)));
    xmlFree(value);
  }
  return list;
}

QString content(const xmlNode* node) { return QString::fromUtf8(reinterpret_cast<const char*>(node->content)); }

void setContent(xmlNode* node, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  xmlNodeSetContentLen(node, reinterpret_cast<const xmlChar*>(utf8.constData()), static_cast<int>(utf8.size()));
}

bool isElement(const xmlNode* node, const char* name) {
  return node != nullptr && node->type == XML_ELEMENT_NODE &&
         std::strcmp(reinterpret_cast<const char*>(node->name), name) == 0;
}

}  // namespace htmltree
