// The page document's fragment parser (setting an element's content): any
// fragment is mended into the element, leaves the rest of the page in place,
// and the page written out reads back.

#include "FuzzInput.h"

#include "PageDocument.h"

namespace {

constexpr char kPage[] =
    "<html><head><title>t</title></head><body><div id=\"Area\">old</div>"
    "<table id=\"box\"><tr><td id=\"cell\">x</td></tr></table></body></html>";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString fragment = fuzz::text(data, size);
  PageDocument page;
  page.load(QString::fromLatin1(kPage));
  fuzz::require(page.setInnerHTML(QStringLiteral("Area"), fragment), "the element takes the fragment");
  fuzz::require(page.hasElement(QStringLiteral("box")), "the element after it stays");
  fuzz::require(page.innerHTML(QStringLiteral("Area")).has_value(), "the element stays");
  fuzz::require(page.foldedText().size() == page.text().size(), "the folded text keeps the positions");

  PageDocument again;
  again.load(page.toHtml());
  fuzz::require(again.hasElement(QStringLiteral("Area")) && again.hasElement(QStringLiteral("box")),
                "the page written out reads back");
  return 0;
}
