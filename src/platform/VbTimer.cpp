#include "VbTimer.h"

VbTimer::VbTimer(QObject* parent, int interval) : QObject(parent) {
  timer_.setInterval(interval);
  connect(&timer_, &QTimer::timeout, this, &VbTimer::Timer);
}

void VbTimer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  apply();
}

void VbTimer::setInterval(int milliseconds) {
  timer_.setInterval(milliseconds);
  apply();
}

void VbTimer::apply() {
  if (enabled_ && timer_.interval() > 0) {
    timer_.start();
  } else {
    timer_.stop();
  }
}
