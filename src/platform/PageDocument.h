#pragma once

#include "PageChanges.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class TextRange;

// A page held in memory: its element tree, read and changed synchronously,
// with no view. This is the document model the program's pages are written
// through; a view (WebView) only shows what it holds. Element access is by
// id: the first element, in document order, with that id. Emits `changed`
// after every change, and keeps track of what changed (takeChanges), so a
// view can bring the page it shows up to date.
class PageDocument final : public QObject {
  Q_OBJECT

 public:
  explicit PageDocument(QObject* parent = nullptr);
  ~PageDocument() override;
  Q_DISABLE_COPY_MOVE(PageDocument)

  // Replaces the whole page by `html`, parsed leniently as a browser does
  // (a text without markup becomes the body's text; an empty one an empty
  // page). The page always has a body.
  void load(const QString& html);

  // The page as HTML, for a view to show.
  QString toHtml() const;

  bool hasElement(const QString& id) const;

  // The HTML inside the element; nothing when there is no such element.
  std::optional<QString> innerHTML(const QString& id) const;
  // Replaces the element's content by `html`, parsed as body content, so
  // mis-nested markup (a span closed after its table) is mended rather than
  // refused. False, and nothing changes, when there is no such element.
  bool setInnerHTML(const QString& id, const QString& html);

  // The HTML inside the page's body, and its replacement, parsed as
  // setInnerHTML parses.
  QString bodyInnerHTML() const;
  void setBodyInnerHTML(const QString& html);

  // A property of the element's inline style ("visibility"), compared
  // without regard to case; an empty text when the style does not set it;
  // nothing when there is no such element.
  std::optional<QString> styleProperty(const QString& id, const QString& name) const;
  // Sets (or replaces) the inline style property. False when there is no
  // such element.
  bool setStyleProperty(const QString& id, const QString& name, const QString& value);

  // The page's text as text ranges walk it: the body's text in document
  // order, a line break for each block boundary, without script or style.
  const QString& text() const;
  // text(), folded for finding (textfold): same length, same positions.
  const QString& foldedText() const;
  // Wraps the text in [start, end) (positions in text()) in spans with the
  // inline style `property:value`. The text does not change.
  void paintText(qsizetype start, qsizetype end, const QString& property, const QString& value);

  // A range over the whole text, collapsed at its start (a page without a
  // selection). It must not outlive the document.
  TextRange createRange();

  // Whether the page was replaced (load) since the last takeChanges.
  bool pageReplaced() const;
  // What changed since the last call (for the one view that shows the
  // page), and forgets it: the page replaced, or the elements whose content
  // or attributes to bring up to date, as the page holds them now.
  PageChanges takeChanges();

 signals:
  void changed();

 private:
  struct Tree;
  void touched();

  std::unique_ptr<Tree> tree_;
};
