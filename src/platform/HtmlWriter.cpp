#include "HtmlWriter.h"

#include <array>
#include <cstring>

namespace htmlwriter {
namespace {

bool nameIs(const xmlNode* node, const auto& names) {
  const char* name = reinterpret_cast<const char*>(node->name);
  for (const char* n : names) {
    if (std::strcmp(name, n) == 0) return true;
  }
  return false;
}

// An element written without an end tag: one HTML writes so, when the tree
// gives it no children. libxml2's parser knows some of these as containers
// (embed) or not at all (wbr, source, track, keygen) and puts what follows
// them inside; they are then written with their children and an end tag,
// which a browser ignores, so nothing after them is lost.
bool isVoid(const xmlNode* element) {
  static constexpr std::array kVoid{"area",  "base",  "basefont", "bgsound", "br",   "col",   "embed",
                                    "frame", "hr",    "img",      "input",   "isindex", "keygen", "link",
                                    "meta",  "param", "source",   "track",   "wbr"};
  return element->children == nullptr && nameIs(element, kVoid);
}

// Elements whose text is written as it is (no character references).
bool isRawText(const xmlNode* element) {
  static constexpr std::array kRaw{"script", "style", "xmp", "plaintext"};
  return element != nullptr && element->type == XML_ELEMENT_NODE && nameIs(element, kRaw);
}

QString utf8(const xmlChar* text) { return QString::fromUtf8(reinterpret_cast<const char*>(text)); }

void escape(const QString& text, bool inAttribute, QString& out) {
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'&': out += QLatin1String("&amp;"); break;
      case u'<': out += inAttribute ? QStringLiteral("<") : QStringLiteral("&lt;"); break;
      case u'>': out += inAttribute ? QStringLiteral(">") : QStringLiteral("&gt;"); break;
      case u'"': out += inAttribute ? QStringLiteral("&quot;") : QStringLiteral("\""); break;
      case 0xA0: out += QLatin1String("&nbsp;"); break;
      default: out += c;
    }
  }
}

void writeAttributes(const xmlNode* element, QString& out) {
  for (const xmlAttr* attr = element->properties; attr != nullptr; attr = attr->next) {
    out += u' ';
    out += utf8(attr->name);
    if (attr->children == nullptr) continue;  // a bare attribute, as "checked"
    xmlChar* value = xmlNodeListGetString(element->doc, attr->children, 1);
    out += QLatin1String("=\"");
    escape(utf8(value), true, out);
    out += u'"';
    xmlFree(value);
  }
}

void writeElement(const xmlNode* element, QString& out) {
  const QString name = utf8(element->name);
  out += u'<' + name;
  writeAttributes(element, out);
  out += u'>';
  if (isVoid(element)) return;
  for (const xmlNode* child = element->children; child != nullptr; child = child->next) write(child, out);
  out += QLatin1String("</") + name + u'>';
}

void writeDoctype(const xmlDtd* dtd, QString& out) {
  out += QLatin1String("<!DOCTYPE ") + utf8(dtd->name);
  if (dtd->ExternalID != nullptr) {
    out += QLatin1String(" PUBLIC \"") + utf8(dtd->ExternalID) + u'"';
    if (dtd->SystemID != nullptr) out += QLatin1String(" \"") + utf8(dtd->SystemID) + u'"';
  } else if (dtd->SystemID != nullptr) {
    out += QLatin1String(" SYSTEM \"") + utf8(dtd->SystemID) + u'"';
  }
  out += QLatin1String(">\n");
}

}  // namespace

void write(const xmlNode* node, QString& out) {
  switch (node->type) {
    case XML_ELEMENT_NODE:
      writeElement(node, out);
      break;
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
      if (isRawText(node->parent)) out += utf8(node->content);
      else escape(utf8(node->content), false, out);
      break;
    case XML_COMMENT_NODE:
      out += QLatin1String("<!--") + utf8(node->content) + QLatin1String("-->");
      break;
    case XML_ENTITY_REF_NODE:
      out += u'&' + utf8(node->name) + u';';
      break;
    default:
      break;  // processing instructions and the like have no place in a page
  }
}

QString document(const xmlDoc* doc) {
  QString out;
  for (const xmlNode* node = doc->children; node != nullptr; node = node->next) {
    if (node->type == XML_DTD_NODE) writeDoctype(reinterpret_cast<const xmlDtd*>(node), out);
    else write(node, out);
  }
  return out;
}

}  // namespace htmlwriter
