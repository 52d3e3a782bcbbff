#include "ui/timer.h"

#include <algorithm>

#include "ui/form.h"

Timer::Timer(Form& owner, UINT intervalMs, std::function<void()> onTimer)
    : owner_(owner), interval_(intervalMs), onTimer_(std::move(onTimer)) {
  owner_.timers_.push_back(this);
}

Timer::~Timer() {
  SetEnabled(false);
  std::erase(owner_.timers_, this);
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!owner_.Handle()) return;
  if (enabled) {
    SetTimer(owner_.Handle(), Id(), interval_, nullptr);
  } else {
    KillTimer(owner_.Handle(), Id());
  }
}

void Timer::SetInterval(UINT intervalMs) {
  interval_ = intervalMs;
  if (enabled_) SetEnabled(true);
}

void Timer::Fire() {
  if (enabled_ && onTimer_) onTimer_();
}
