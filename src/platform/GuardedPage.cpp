#include "GuardedPage.h"

#include "WritableFolders.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestInfo>

namespace {

constexpr char kScriptName[] = "minivocabra-page";
constexpr char kLinkMark[] = "minivocabra-link:";
constexpr char kPaintedMark[] = "minivocabra-painted:";

// Runs in its own world, so it works with page script switched off and
// page content cannot reach it. It catches link clicks, and gives the view
// `minivocabra.claim`, `apply` and `reportPainted`.
QString pageScript() {
  return QStringLiteral(R"JS(
(function () {
  function linkOf(node) {
    for (; node && node !== document; node = node.parentNode) {
      if (node.nodeType === 1 && (node.localName === 'a' || node.localName === 'area') &&
          node.hasAttribute('href')) return node;
    }
    return null;
  }
  function onClick(event) {
    var link = linkOf(event.target);
    if (!link) return;
    var href = link.getAttribute('href');
    if (href.charAt(0) === '#') return;
    event.preventDefault();
    event.stopPropagation();
    if (event.type === 'click' && event.button === 0) console.log('%1' + href);
  }
  document.addEventListener('click', onClick, true);
  document.addEventListener('auxclick', onClick, true);

  function setAttributes(element, attributes) {
    var wanted = Object.create(null);
    attributes.forEach(function (a) { wanted[a[0]] = a[1]; });
    for (var i = element.attributes.length - 1; i >= 0; --i) {
      var name = element.attributes[i].name;
      if (!(name in wanted)) element.removeAttribute(name);
    }
    attributes.forEach(function (a) {
      if (element.getAttribute(a[0]) !== a[1]) element.setAttribute(a[0], a[1]);
    });
  }
  // The content is parsed in a copy of the element, so as the element's own
  // content would be, and goes in only when it differs from what is there:
  // a page written again unchanged keeps its scroll position, a new one is
  // shown from its top, as a page loaded anew.
  function setContent(element, html) {
    var parsed = element.cloneNode(false);
    parsed.innerHTML = html;
    if (parsed.innerHTML === element.innerHTML) return false;
    element.replaceChildren.apply(element, Array.prototype.slice.call(parsed.childNodes));
    return true;
  }
  // Whether the page is scrolled away from its top, kept here: asking the
  // page would make it lay itself out at once.
  var scrolled = false;
  window.addEventListener('scroll', function () { scrolled = window.scrollX !== 0 || window.scrollY !== 0; },
                          {passive: true});
  // The view's number for the load that brought this document; changes
  // meant for another document are refused.
  var load = null;
  function claim(number) { load = number; }
  // False when the changes are not meant for this document, an element is
  // missing or a change cannot be made: the view then loads the page anew.
  function apply(forLoad, changes) {
    if (forLoad !== load) return false;
    try {
      var moved = false;
      for (var i = 0; i < changes.length; ++i) {
        var change = changes[i];
        var element = change.id === '' ? document.body : document.getElementById(change.id);
        if (!element) return false;
        if (change.attributes) setAttributes(element, change.attributes);
        else if (setContent(element, change.html)) moved = true;
      }
      if (moved && scrolled) window.scrollTo(0, 0);
      return true;
    } catch (e) {
      return false;
    }
  }
  // Reports `step` once the frame after this call is drawn: the animation
  // frame callback runs before its layout and paint, a message posted there
  // is handled after them. (Timers do not run in this world while page
  // script is off; messages do.)
  function reportPainted(step) {
    requestAnimationFrame(function () {
      var channel = new MessageChannel();
      channel.port1.onmessage = function () { console.log('%2' + step); };
      channel.port2.postMessage(0);
    });
  }
  var view = {claim: claim, apply: apply, reportPainted: reportPainted};
  Object.defineProperty(window, 'minivocabra', {value: Object.freeze(view)});
})();
)JS")
      .arg(QLatin1String(kLinkMark), QLatin1String(kPaintedMark));
}

QString changesJson(const std::vector<PageChange>& changes) {
  QJsonArray list;
  for (const PageChange& change : changes) {
    QJsonObject item{{QStringLiteral("id"), change.id}};
    if (change.kind == PageChange::Kind::Content) {
      item.insert(QStringLiteral("html"), change.html);
    } else {
      QJsonArray attributes;
      for (const auto& [name, value] : change.attributes) attributes.append(QJsonArray{name, value});
      item.insert(QStringLiteral("attributes"), attributes);
    }
    list.append(item);
  }
  return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

// Lets pages load local content only; a page's link to a style sheet of the
// program folder gets the user's own sheet when there is one.
class LocalOnlyInterceptor final : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    const QString scheme = info.requestUrl().scheme();
    const bool local = scheme == u"file" || scheme == u"data" || scheme == u"qrc" || scheme == u"blob" ||
                       scheme == u"about";
    if (!local) info.block(true);
    if (scheme != u"file") return;
    const QString file = info.requestUrl().toLocalFile();
    const QString inUse = paths::styleSheetInUse(file);
    if (inUse != file) info.redirect(QUrl::fromLocalFile(inUse));
  }
};

}  // namespace

QWebEngineProfile* guardedProfile() {
  static QWebEngineProfile* const profile = [] {
    auto* created = new QWebEngineProfile(QCoreApplication::instance());  // owned by the application
    created->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    created->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    created->setUrlRequestInterceptor(new LocalOnlyInterceptor(created));
    return created;
  }();
  return profile;
}

GuardedPage::GuardedPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {
  QWebEngineSettings* s = settings();
  s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
  s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
  s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
  s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
  s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);

  QWebEngineScript script;
  script.setName(QLatin1String(kScriptName));
  script.setWorldId(QWebEngineScript::ApplicationWorld);
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setRunsOnSubFrames(false);
  script.setSourceCode(pageScript());
  scripts().insert(script);
}

void GuardedPage::LoadShown(const QString& html, const QUrl& baseUrl) {
  expectingLoad_ = true;
  setHtml(html, baseUrl);
}

void GuardedPage::Loaded(quint64 load) {
  runJavaScript(QStringLiteral("minivocabra.claim(%1)").arg(load), QWebEngineScript::ApplicationWorld);
}

void GuardedPage::ApplyChanges(quint64 load, const std::vector<PageChange>& changes, quint64 step,
                               const std::function<void(bool applied)>& done) {
  // One pass, so a "%2" inside the changes stays as it is.
  const QString script = QStringLiteral("minivocabra.apply(%1, %2) && (minivocabra.reportPainted(%3), true)")
                             .arg(QString::number(load), changesJson(changes), QString::number(step));
  runJavaScript(script, QWebEngineScript::ApplicationWorld,
                [done](const QVariant& applied) { done(applied.toBool()); });
}

void GuardedPage::ReportPainted(quint64 step) {
  runJavaScript(QStringLiteral("minivocabra.reportPainted(%1)").arg(step), QWebEngineScript::ApplicationWorld);
}

bool GuardedPage::acceptNavigationRequest(const QUrl&, NavigationType, bool isMainFrame) {
  const bool accept = isMainFrame && expectingLoad_;
  if (isMainFrame) expectingLoad_ = false;
  return accept;
}

void GuardedPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                           const QString& sourceID) {
  if (sourceID != QStringLiteral("userscript:") + QLatin1String(kScriptName)) return;
  if (message.startsWith(QLatin1String(kLinkMark))) {
    emit LinkClicked(message.mid(qsizetype(sizeof(kLinkMark)) - 1));
  } else if (message.startsWith(QLatin1String(kPaintedMark))) {
    bool ok = false;
    const quint64 step = QStringView(message).mid(qsizetype(sizeof(kPaintedMark)) - 1).toULongLong(&ok);
    if (ok) emit Painted(step);
  }
}
