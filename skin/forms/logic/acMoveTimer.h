#pragma once
// The blended move: while a form is dragged by its caption it fades to a lower opacity,
// one step every 12 ms, and comes back to full opacity when the drag ends.
#include <cstdint>
#include <functional>
#include <memory>

#include "skin/forms/logic/acLayeredTarget.h"

struct TacMoveBlend {
  uint8_t From = 255;  // the form's opacity now (AlphaBlendValue or 255)
  uint8_t To = 170;    // BlendOnMoving.BlendValue when the form allows it, else 255
  int Time = 1000;     // BlendOnMoving.Time
};

class TacMoveTimer {
 public:
  static constexpr int kInterval = 12;

  // apply: puts an opacity on the form (and tells the forms glued to it).
  TacMoveTimer(TacMoveBlend blend, std::function<void(uint8_t)> apply, TacTimerStarter timers);
  void SetEnabled(bool on);
  bool Enabled() const { return ticking_ != nullptr; }
  void TimeHandler();

  double BlendStep() const { return blendStep_; }
  double CurrentBlendValue() const { return current_; }

 private:
  uint8_t target_;
  double blendStep_;
  double current_;
  std::function<void(uint8_t)> apply_;
  TacTimerStarter timers_;
  std::unique_ptr<TacHeldResource> ticking_;
};
