#include "workspace/reshow_sequence.h"

ReshowSequence::ReshowSequence(Form& window, std::function<void()> showWindow)
    : showWindow_(std::move(showWindow)),
      timerVisible_(window, 500, [this] { Timer_VisibleTimer(); }),
      timerClip_(window, 200, [this] { Timer_ClipTimer(); }),
      timerIcon_(window, 200, [this] { Timer_IconTimer(); }) {}

void ReshowSequence::Timer_VisibleTimer() {
  timerVisible_.SetEnabled(false);
  showWindow_();
  timerClip_.SetEnabled(true);
}

void ReshowSequence::Timer_ClipTimer() {
  timerClip_.SetEnabled(false);
  for (const auto& step : clipSteps_) step();
  timerIcon_.SetEnabled(true);
}

void ReshowSequence::Timer_IconTimer() {
  timerIcon_.SetEnabled(false);
  for (const auto& step : iconSteps_) step();
}
