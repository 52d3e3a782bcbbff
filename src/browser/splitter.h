#pragma once
#include <functional>

#include "ui/form.h"

// Splitter1: a thin bar the user drags sideways; it reports where the bar is to go (the
// parent's client x).
class Splitter : public Form {
 public:
  bool Create(HWND parent, const Bounds& bounds);
  std::function<void(int x)> onMoved;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int grip_ = 0;  // where in the bar the drag took hold
  bool dragging_ = false;
};
