#include "PageDocument.h"

#include "ChangeMarks.h"
#include "HtmlTree.h"
#include "PageText.h"
#include "TextRange.h"

#include <QStringList>

#include <optional>
#include <unordered_set>
#include <utility>
#include <vector>

struct PageDocument::Tree {
  htmltree::DocPtr doc = htmltree::parseDocument(QString());
  // Rebuilt on demand after a change.
  mutable std::optional<PageText> pageText;
  // Spans made by painting, so a second colour joins the first.
  std::unordered_set<xmlNode*> painted;
  // The page was replaced since the view last took the changes.
  bool replaced = true;

  PageText& textMap() const {
    if (!pageText) pageText.emplace(doc.get());
    return *pageText;
  }
};

namespace {

using Declaration = std::pair<QString, QString>;

std::vector<Declaration> parseStyle(const QString& style) {
  std::vector<Declaration> declarations;
  for (const QString& part : style.split(u';', Qt::SkipEmptyParts)) {
    const qsizetype colon = part.indexOf(u':');
    if (colon <= 0) continue;
    declarations.emplace_back(part.left(colon).trimmed(), part.mid(colon + 1).trimmed());
  }
  return declarations;
}

QString joinStyle(const std::vector<Declaration>& declarations) {
  QString style;
  for (const auto& [name, value] : declarations) style += name + u':' + value + u';';
  return style;
}

}  // namespace

PageDocument::PageDocument(QObject* parent) : QObject(parent), tree_(std::make_unique<Tree>()) {}

PageDocument::~PageDocument() = default;

void PageDocument::touched() {
  tree_->pageText.reset();
  emit changed();
}

void PageDocument::load(const QString& html) {
  tree_->painted.clear();
  tree_->doc = htmltree::parseDocument(html);
  tree_->replaced = true;
  touched();
}

QString PageDocument::toHtml() const { return htmltree::serializeDocument(tree_->doc.get()); }

bool PageDocument::hasElement(const QString& id) const { return htmltree::findById(tree_->doc.get(), id) != nullptr; }

std::optional<QString> PageDocument::innerHTML(const QString& id) const {
  xmlNode* element = htmltree::findById(tree_->doc.get(), id);
  if (element == nullptr) return std::nullopt;
  return htmltree::serializeChildren(tree_->doc.get(), element);
}

bool PageDocument::setInnerHTML(const QString& id, const QString& html) {
  xmlNode* element = htmltree::findById(tree_->doc.get(), id);
  if (element == nullptr) return false;
  // Freed nodes may include painted spans; their addresses can come back.
  tree_->painted.clear();
  htmltree::replaceChildren(tree_->doc.get(), element, html);
  changemarks::mark(element, changemarks::Mark::Content);
  touched();
  return true;
}

QString PageDocument::bodyInnerHTML() const {
  return htmltree::serializeChildren(tree_->doc.get(), htmltree::body(tree_->doc.get()));
}

void PageDocument::setBodyInnerHTML(const QString& html) {
  tree_->painted.clear();
  xmlNode* body = htmltree::body(tree_->doc.get());
  htmltree::replaceChildren(tree_->doc.get(), body, html);
  changemarks::mark(body, changemarks::Mark::Content);
  touched();
}

std::optional<QString> PageDocument::styleProperty(const QString& id, const QString& name) const {
  const xmlNode* element = htmltree::findById(tree_->doc.get(), id);
  if (element == nullptr) return std::nullopt;
  for (const auto& [property, value] : parseStyle(htmltree::attribute(element, "style"))) {
    if (property.compare(name, Qt::CaseInsensitive) == 0) return value;
  }
  return QString();
}

bool PageDocument::setStyleProperty(const QString& id, const QString& name, const QString& value) {
  xmlNode* element = htmltree::findById(tree_->doc.get(), id);
  if (element == nullptr) return false;
  std::vector<Declaration> declarations = parseStyle(htmltree::attribute(element, "style"));
  bool replaced = false;
  for (auto& [property, current] : declarations) {
    if (property.compare(name, Qt::CaseInsensitive) != 0) continue;
    current = value;
    replaced = true;
  }
  if (!replaced) declarations.emplace_back(name, value);
  htmltree::setAttribute(element, "style", joinStyle(declarations));
  changemarks::mark(element, changemarks::Mark::Attributes);
  emit changed();
  return true;
}

const QString& PageDocument::text() const { return tree_->textMap().text(); }

const QString& PageDocument::foldedText() const { return tree_->textMap().folded(); }

void PageDocument::paintText(qsizetype start, qsizetype end, const QString& property, const QString& value) {
  if (start >= end) return;
  // The map follows the painting; only the view needs to know.
  tree_->textMap().paint(start, end, property, value, tree_->painted);
  emit changed();
}

TextRange PageDocument::createRange() { return TextRange(*this, 0, 0); }

bool PageDocument::pageReplaced() const { return tree_->replaced; }

PageChanges PageDocument::takeChanges() {
  if (!tree_->replaced) return changemarks::collect(tree_->doc.get());
  changemarks::clear(tree_->doc.get());
  tree_->replaced = false;
  return PageChanges{true, {}};
}
