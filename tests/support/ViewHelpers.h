#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include <memory>

// Runs `script` in the page in the program's own script world (page script
// is off) and waits for its result; an invalid QVariant after `timeoutMs`.
inline QVariant RunScript(QWebEnginePage* page, const QString& script, int timeoutMs = 5000) {
  struct Result {
    bool done = false;
    QVariant value;
  };
  const auto result = std::make_shared<Result>();
  page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [result](const QVariant& value) {
    result->value = value;
    result->done = true;
  });
  QElapsedTimer timer;
  timer.start();
  while (!result->done && timer.elapsed() < timeoutMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return result->value;
}

// Spins the event loop for `ms` milliseconds.
inline void Spin(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}
