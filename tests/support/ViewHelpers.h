#pragma once

#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include <memory>

// Runs `script` in the page in the program's own script world (page script
// is off) and waits for its result; an invalid QVariant after `timeoutMs`.
inline QVariant RunScript(QWebEnginePage* page, const QString& script, int timeoutMs = 20000) {
  struct Result {
    bool done = false;
    QVariant value;
  };
  // Shared with the callback, which may come after a wait that gave up.
  const auto result = std::make_shared<Result>();
  page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [result](const QVariant& value) {
    result->value = value;
    result->done = true;
  });
  return QTest::qWaitFor([&result] { return result->done; }, timeoutMs) ? result->value : QVariant();
}
