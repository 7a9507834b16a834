#include "GuardedPage.h"

#include "WritableFolders.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestInfo>

namespace {

constexpr char kScriptName[] = "minivocabra-links";
constexpr char kLinkMark[] = "minivocabra-link:";

// Runs in its own world, so it works with page script switched off and
// page content cannot reach it.
QString linkScript() {
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
})();
)JS")
      .arg(QLatin1String(kLinkMark));
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
  script.setSourceCode(linkScript());
  scripts().insert(script);
}

void GuardedPage::LoadShown(const QString& html, const QUrl& baseUrl) {
  expectingLoad_ = true;
  setHtml(html, baseUrl);
}

bool GuardedPage::acceptNavigationRequest(const QUrl&, NavigationType, bool isMainFrame) {
  const bool accept = isMainFrame && expectingLoad_;
  if (isMainFrame) expectingLoad_ = false;
  return accept;
}

void GuardedPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                           const QString& sourceID) {
  if (sourceID != QStringLiteral("userscript:") + QLatin1String(kScriptName)) return;
  if (!message.startsWith(QLatin1String(kLinkMark))) return;
  emit LinkClicked(message.mid(qsizetype(sizeof(kLinkMark)) - 1));
}
