#include "skin/forms/logic/acMoveTimer.h"

#include <algorithm>
#include <utility>

#include "skin/forms/logic/acAnimPicture.h"

TacMoveTimer::TacMoveTimer(TacMoveBlend blend, std::function<void(uint8_t)> apply, TacTimerStarter timers)
    : target_(blend.To),
      // A time of one frame or less drops to the target at the first tick.
      blendStep_(blend.Time < 13 ? 255.0 - blend.To : (255.0 - blend.To) / (blend.Time / 12.0)),
      current_(blend.From),
      apply_(std::move(apply)),
      timers_(std::move(timers)) {}

void TacMoveTimer::SetEnabled(bool on) {
  if (on == Enabled()) return;
  ticking_.reset();
  if (on && timers_) ticking_ = timers_(kInterval, [this] { TimeHandler(); });
}

void TacMoveTimer::TimeHandler() {
  apply_(RoundOpacity(current_));
  // The last step stops at the target rather than below it.
  if (current_ > target_) current_ = std::max<double>(target_, current_ - blendStep_);
}
