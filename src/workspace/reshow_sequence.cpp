#include "workspace/reshow_sequence.h"

ReshowSequence::ReshowSequence(Form& window, std::function<void()> showWindow)
    : showWindow_(std::move(showWindow)),
      Timer_Visible(window, 500, [this] { Timer_VisibleTimer(); }),
      Timer_Clip(window, 200, [this] { Timer_ClipTimer(); }),
      Timer_Icon(window, 200, [this] { Timer_IconTimer(); }) {}

void ReshowSequence::Timer_VisibleTimer() {
  Timer_Visible.SetEnabled(false);
  showWindow_();
  Timer_Clip.SetEnabled(true);
}

void ReshowSequence::Timer_ClipTimer() {
  Timer_Clip.SetEnabled(false);
  for (const auto& step : clipSteps_) step();
  Timer_Icon.SetEnabled(true);
}

void ReshowSequence::Timer_IconTimer() {
  Timer_Icon.SetEnabled(false);
  for (const auto& step : iconSteps_) step();
}
