#include "PageDocument.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

namespace {

constexpr char kPage[] =
    "<html><head><title>t</title></head><body>"
    "<div id=\"Area\"><span id=\"d\">x</span><span id=\"d\">y</span><p>um texto</p></div>"
    "<table id=\"box\" style=\"visibility:hidden;\"><tr><td id=\"cell\">x</td></tr></table></body></html>";

// A change as "kind id: what", for comparing lists at a glance.
std::vector<std::string> described(const PageChanges& changes) {
  std::vector<std::string> out;
  if (changes.wholePage) out.emplace_back("whole page");
  for (const PageChange& change : changes.changes) {
    QString what = change.html;
    if (change.kind == PageChange::Kind::Attributes) {
      what.clear();
      for (const auto& [name, value] : change.attributes) what += name + u'=' + value + u' ';
    }
    const char* kind = change.kind == PageChange::Kind::Content ? "content " : "attributes ";
    out.push_back(kind + change.id.toStdString() + ": " + what.trimmed().toStdString());
  }
  return out;
}

using Steps = std::function<void(PageDocument&)>;

TEST(PageChanges, EachChangeIsTheContentOrAttributesOfAnElementTheViewCanFind) {
  const struct {
    const char* name;
    Steps steps;
    std::vector<std::string> expected;
  } cases[] = {
      {"one element", [](PageDocument& d) { d.setInnerHTML(QStringLiteral("cell"), QStringLiteral("<b>z</b>")); },
       {"content cell: <b>z</b>"}},
      {"two apart, in page order",
       [](PageDocument& d) {
         d.setInnerHTML(QStringLiteral("cell"), QStringLiteral("z"));
         d.setInnerHTML(QStringLiteral("Area"), QStringLiteral("w"));
       },
       {"content Area: w", "content cell: z"}},
      {"a change inside a replaced content goes with it",
       [](PageDocument& d) {
         d.setInnerHTML(QStringLiteral("Area"), QStringLiteral("<i id='in'>a</i>"));
         d.setInnerHTML(QStringLiteral("in"), QStringLiteral("b"));
       },
       {"content Area: <i id=\"in\">b</i>"}},
      {"attributes, and content inside that element",
       [](PageDocument& d) {
         d.setStyleProperty(QStringLiteral("box"), QStringLiteral("visibility"), QStringLiteral("visible"));
         d.setInnerHTML(QStringLiteral("cell"), QStringLiteral("z"));
       },
       {"attributes box: id=box style=visibility:visible;", "content cell: z"}},
      {"an id two elements have: the nearest one only one has",
       [](PageDocument& d) { d.setInnerHTML(QStringLiteral("d"), QStringLiteral("z")); },
       {"content Area: <span id=\"d\">z</span><span id=\"d\">y</span><p>um texto</p>"}},
      {"the body", [](PageDocument& d) { d.setBodyInnerHTML(QStringLiteral("<p>novo</p>")); },
       {"content : <p>novo</p>"}},
      {"painted text",
       [](PageDocument& d) {
         const qsizetype at = d.text().indexOf(QStringLiteral("texto"));
         d.paintText(at, at + 5, QStringLiteral("color"), QStringLiteral("#ff0000"));
       },
       {"content Area: <span id=\"d\">x</span><span id=\"d\">y</span>"
        "<p>um <span style=\"color:#ff0000;\">texto</span></p>"}},
  };
  for (const auto& c : cases) {
    PageDocument doc;
    doc.load(QString::fromLatin1(kPage));
    EXPECT_EQ(described(doc.takeChanges()), std::vector<std::string>{"whole page"}) << c.name;
    c.steps(doc);
    EXPECT_EQ(described(doc.takeChanges()), c.expected) << c.name;
    EXPECT_TRUE(doc.takeChanges().empty()) << c.name << ": taken once";
  }
}

TEST(PageChanges, ChangesNoElementBelowTheRootCanSayReplaceThePage) {
  PageDocument doc;
  doc.load(QStringLiteral("<html id='raiz'><body><p>a</p></body></html>"));
  doc.takeChanges();
  ASSERT_TRUE(doc.setInnerHTML(QStringLiteral("raiz"), QStringLiteral("<body><p>b</p></body>")));
  EXPECT_EQ(described(doc.takeChanges()), std::vector<std::string>{"whole page"});
}

// Applies `changes` to `copy` as a view applies them to the page it holds.
void replay(const PageChanges& changes, PageDocument& copy, const PageDocument& doc) {
  if (changes.wholePage) return copy.load(doc.toHtml());
  for (const PageChange& change : changes.changes) {
    if (change.kind == PageChange::Kind::Content) {
      if (change.id.isEmpty()) copy.setBodyInnerHTML(change.html);
      else ASSERT_TRUE(copy.setInnerHTML(change.id, change.html)) << change.id.toStdString();
      continue;
    }
    for (const auto& [name, value] : change.attributes) {
      if (name != u"style") continue;  // the only attribute pages change
      for (const QString& declaration : value.split(u';', Qt::SkipEmptyParts)) {
        copy.setStyleProperty(change.id, declaration.section(u':', 0, 0), declaration.section(u':', 1));
      }
    }
  }
}

// Whatever the page goes through, a copy that takes only the changes ends
// as the page is.
TEST(PageChanges, ACopyThatTakesOnlyTheChangesEndsAsThePage) {
  PageDocument doc;
  doc.load(QString::fromLatin1(kPage));
  PageDocument copy;
  replay(doc.takeChanges(), copy, doc);
  std::mt19937 sorteio(16);
  const std::vector<Steps> steps = {
      [&](PageDocument& d) {
        d.setInnerHTML(QStringLiteral("Area"), QStringLiteral("<p>casa <i id='in'>azul</i> %1</p><span id='d'>d</span>"
                                                              "<table id='t'><tr><td id='d'>c</td></tr></table>")
                                                   .arg(sorteio()));
      },
      [&](PageDocument& d) { d.setInnerHTML(QStringLiteral("in"), QStringLiteral("verde %1").arg(sorteio())); },
      [&](PageDocument& d) { d.setInnerHTML(QStringLiteral("d"), QStringLiteral("<b>%1</b>").arg(sorteio())); },
      [&](PageDocument& d) {
        d.setStyleProperty(QStringLiteral("box"), QStringLiteral("visibility"),
                           sorteio() % 2 ? QStringLiteral("visible") : QStringLiteral("hidden"));
      },
      [&](PageDocument& d) {
        const qsizetype size = d.text().size();
        const qsizetype at = static_cast<qsizetype>(sorteio() % size);
        d.paintText(at, at + 3, QStringLiteral("background-color"), QStringLiteral("#ffff00"));
      },
      [&](PageDocument& d) { d.setInnerHTML(QStringLiteral("cell"), QStringLiteral("x%1").arg(sorteio())); },
  };
  for (int round = 0; round < 300; ++round) {
    for (unsigned n = sorteio() % 4 + 1; n > 0; --n) steps[sorteio() % steps.size()](doc);
    replay(doc.takeChanges(), copy, doc);
    ASSERT_EQ(copy.toHtml(), doc.toHtml()) << "round " << round;
  }
}

}  // namespace
