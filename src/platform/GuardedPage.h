#pragma once

#include "PageChanges.h"

#include <QString>
#include <QWebEnginePage>

#include <functional>
#include <vector>

class QWebEngineProfile;

// The web page behind WebView. Page content runs no script of its own, and
// the page goes nowhere by itself: the only loads it accepts are the ones
// the view starts (LoadShown). A script of ours, injected into every page
// in a world of its own, catches link clicks, stops them and reports the
// link's href exactly as written (a QUrl would mangle "goID://123" and
// "goto://ação"); the page hands it on as LinkClicked. The same script
// brings the page shown up to date (ApplyChanges) and reports when a frame
// is drawn (Painted).
class GuardedPage final : public QWebEnginePage {
  Q_OBJECT

 public:
  explicit GuardedPage(QWebEngineProfile* profile, QObject* parent = nullptr);
  Q_DISABLE_COPY_MOVE(GuardedPage)

  // Shows `html` with `baseUrl` for its relative references.
  void LoadShown(const QString& html, const QUrl& baseUrl);

  // Tells the page loaded last that it is the one of load number `load`
  // (after its loadFinished), so changes meant for it can be told from
  // changes meant for another.
  void Loaded(quint64 load);
  // Makes `changes`, meant for the page of load number `load`, in the page
  // shown, in order; a content that parses to what the element holds
  // already is left alone, and a page scrolled down goes back to its top
  // when a content changed. Then the page reports Painted(step) once the
  // frame holding the changes is drawn. `done` is told, later, whether
  // every change was made (false: the page shown is another, an element
  // was missing, or a change could not be made, and the rest was not
  // tried). Scripts run in the page in the order they are sent.
  void ApplyChanges(quint64 load, const std::vector<PageChange>& changes, quint64 step,
                    const std::function<void(bool applied)>& done);
  // The page reports Painted(step) once its next frame is drawn.
  void ReportPainted(quint64 step);

 signals:
  void LinkClicked(const QString& href);
  // A frame asked for by ApplyChanges or ReportPainted has been drawn: laid
  // out, painted and handed to the compositor.
  void Painted(quint64 step);

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
