#pragma once

#include <QObject>
#include <QTimer>

// A timer in the classic model: it ticks every Interval milliseconds while
// Enabled. Enabling an enabled timer changes nothing; switching it off and on
// again restarts the count. An interval of 0 never ticks.
class VbTimer final : public QObject {
  Q_OBJECT

 public:
  explicit VbTimer(QObject* parent = nullptr, int interval = 0);

  bool Enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  int Interval() const { return timer_.interval(); }
  // A new interval restarts the count of an enabled timer.
  void setInterval(int milliseconds);

 signals:
  void Timer();

 private:
  void apply();

  QTimer timer_;
  bool enabled_ = false;
};
