#pragma once

// The libxml2 HTML tree behind PageDocument: parsing, serializing and the
// few tree edits a page needs. Internal to the platform layer; callers use
// PageDocument.

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <QList>
#include <QString>
#include <QStringView>

#include <memory>
#include <utility>

namespace htmltree {

struct DocDeleter {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocDeleter>;

// Parses a whole page leniently, as a browser would. Never null: a text
// that is not HTML becomes the body's text, an empty one an empty page. The
// page always has an <html> root with a <body>.
DocPtr parseDocument(const QString& html);

// The <body> element of the page (there is always one).
xmlNode* body(xmlDoc* doc);

// The first element, in document order, whose "id" attribute is exactly `id`;
// null when none is.
xmlNode* findById(xmlDoc* doc, QStringView id);

// The page as HTML text (UTF-8 content, whatever its meta tag says).
QString serializeDocument(xmlDoc* doc);
// The HTML of the children of `element` (innerHTML).
QString serializeChildren(xmlDoc* doc, xmlNode* element);

// Replaces the children of `element` by the nodes of `fragment`, parsed as
// the content of a page's body (so mis-nested markup is mended the way a
// browser mends it rather than rejected).
void replaceChildren(xmlDoc* doc, xmlNode* element, const QString& fragment);

// Attribute text, empty when absent; setting an empty value keeps it, empty.
QString attribute(const xmlNode* element, const char* name);
void setAttribute(xmlNode* element, const char* name, const QString& value);
// Every attribute of `element`, in order: name and value (empty for a bare one).
QList<std::pair<QString, QString>> attributes(const xmlNode* element);

// Node content as text, and the reverse (text nodes).
QString content(const xmlNode* node);
void setContent(xmlNode* node, const QString& text);

// Whether `element` is an element named `name` (HTML names are lower case).
bool isElement(const xmlNode* node, const char* name);

}  // namespace htmltree
