#pragma once
#include <functional>
#include <vector>

#include "ui/timer.h"

// The re-show sequence that ends every command replacing the working picture:
// Timer_Visible (500 ms) shows the window and re-applies the top-most state, then Timer_Clip
// (200 ms) and Timer_Icon (200 ms) run the steps features hook into them (the screen-format
// round trip and the capture fill; the cursor preview).
class ReshowSequence {
 public:
  ReshowSequence(Form& window, std::function<void()> showWindow);

  void Start() { Timer_Visible.SetEnabled(true); }

  // Steps run in the order they were added.
  void AddClipStep(std::function<void()> step) { clipSteps_.push_back(std::move(step)); }
  void AddIconStep(std::function<void()> step) { iconSteps_.push_back(std::move(step)); }

 private:
  void Timer_VisibleTimer();
  void Timer_ClipTimer();
  void Timer_IconTimer();

  std::function<void()> showWindow_;
  std::vector<std::function<void()>> clipSteps_;
  std::vector<std::function<void()>> iconSteps_;
  Timer Timer_Visible;
  Timer Timer_Clip;
  Timer Timer_Icon;
};
