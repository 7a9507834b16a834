#pragma once

// Marks left on the nodes of a page's tree where it changed, and what they
// add up to for a view (PageChanges). A mark lives on its node, so it goes
// when the node is freed. Internal to the platform layer.

#include "PageChanges.h"

#include <libxml/tree.h>

namespace changemarks {

enum class Mark : unsigned {
  Content = 1,     // the node's children were replaced or rearranged
  Attributes = 2,  // the node's attributes changed
};

void mark(xmlNode* node, Mark what);

// The changes the marks in `doc` stand for, each as the content or the
// attributes of an element that a view can find (an id no other element of
// the page has, or the body); a mark with no such element around it makes
// the whole page change. Clears every mark.
PageChanges collect(xmlDoc* doc);
// Clears every mark, for a view that loads the whole page.
void clear(xmlDoc* doc);

}  // namespace changemarks
