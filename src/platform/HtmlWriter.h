#pragma once

// Writes a libxml2 HTML tree back as HTML text. libxml2's own writer
// percent-encodes non-ASCII characters in href and src attributes, which
// would turn the link "goto://ação" into another address; this one writes
// every attribute as it is held, escaping only what HTML requires.
// Internal to the platform layer.

#include <libxml/tree.h>

#include <QString>

namespace htmlwriter {

// Appends the HTML of `node` and everything under it to `out`.
void write(const xmlNode* node, QString& out);

// The HTML of the whole document (its doctype, if any, and root).
QString document(const xmlDoc* doc);

}  // namespace htmlwriter
