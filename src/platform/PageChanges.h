#pragma once

#include <QList>
#include <QString>

#include <utility>
#include <vector>

// What changed in a page since a view last showed it, said so that the view
// can bring the page it holds up to date without loading it again.
struct PageChange {
  enum class Kind {
    Content,     // the element's content is `html` now
    Attributes,  // the element's attributes are `attributes` now (its content is unchanged)
  };
  Kind kind = Kind::Content;
  // The element: the one with this id, which no other element of the page
  // has; empty for the page's body.
  QString id;
  QString html;
  QList<std::pair<QString, QString>> attributes;  // every attribute, in order: name, value
};

struct PageChanges {
  // The page itself was replaced, or changed where no element can say it:
  // the view loads the page anew and `changes` is empty.
  bool wholePage = false;
  // Disjoint: no change lies inside the content of another.
  std::vector<PageChange> changes;

  bool empty() const { return !wholePage && changes.empty(); }
};
