#pragma once
#include <functional>

#include "ui/win32.h"

class Form;

// A timer of a form, enabled and disabled like a switch. The program's timers are used one
// shot: each handler first disables its own timer.
class Timer {
 public:
  Timer(Form& owner, UINT intervalMs, std::function<void()> onTimer);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  void SetInterval(UINT intervalMs);
  UINT Interval() const { return interval_; }

 private:
  friend class Form;
  UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }
  void Fire();

  Form& owner_;
  UINT interval_;
  std::function<void()> onTimer_;
  bool enabled_ = false;
};
