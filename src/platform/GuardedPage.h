#pragma once

#include <QString>
#include <QWebEnginePage>

class QWebEngineProfile;

// The web page behind WebView. Page content runs no script of its own, and
// the page goes nowhere by itself: the only loads it accepts are the ones
// the view starts (LoadShown). A script of ours, injected into every page
// in a world of its own, catches link clicks, stops them and reports the
// link's href exactly as written (a QUrl would mangle "goID://123" and
// "goto://ação"); the page hands it on as LinkClicked.
class GuardedPage final : public QWebEnginePage {
  Q_OBJECT

 public:
  explicit GuardedPage(QWebEngineProfile* profile, QObject* parent = nullptr);
  Q_DISABLE_COPY_MOVE(GuardedPage)

  // Shows `html` with `baseUrl` for its relative references.
  void LoadShown(const QString& html, const QUrl& baseUrl);

 signals:
  void LinkClicked(const QString& href);

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int lineNumber,
                                const QString& sourceID) override;

 private:
  bool expectingLoad_ = false;
};

// The profile every view shares: kept in memory only, and allowed to load
// nothing but local content (no page reaches the network). Owned by the
// application object.
QWebEngineProfile* guardedProfile();
