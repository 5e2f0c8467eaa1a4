#pragma once
// The hide animation: after a window has vanished, its picture shrinks and fades (atAero),
// fades (atFading) or folds up (atDropDown) in an animation window of its own, one frame
// every 12 ms, and then the animation window goes. The program keeps one of these: a new
// hide ends the running one at once.
#include <cstdint>
#include <functional>
#include <memory>

#include "pixels/PixelBuffer.h"
#include "skin/data/acManagerOptions.h"  // TacAnimType
#include "skin/forms/logic/acLayeredTarget.h"

// What a hide is given: the animation window (owned from now on) and the picture.
struct TacHideRequest {
  std::unique_ptr<IacLayeredTarget> Window;
  PixelImage Picture;
  int Time = 0;
  TacAnimType Mode = atAero;
  uint8_t StartAlpha = 255;
  // Fired once when the animation ends (the hidden form's OnAfterAnimation(aeHiding));
  // empty for dialogs.
  std::function<void()> AfterHiding;
};

class TacHideTimer {
 public:
  // The interval a finished timer is parked at.
  static constexpr int kParkedInterval = 65535;

  explicit TacHideTimer(TacTimerStarter timers);
  // A pending AfterHiding fires; the window and pictures go.
  ~TacHideTimer();
  TacHideTimer(const TacHideTimer&) = delete;
  TacHideTimer& operator=(const TacHideTimer&) = delete;

  // Starts a hide; with `waitOn` (the program is ending) all frames run here, 12 ms apart.
  void Start(TacHideRequest request, IacAnimClock* waitOn = nullptr);

  // A tick: the next frame, or the end.
  void HideStep();

  bool Running() const { return window_ != nullptr; }
  bool Enabled() const { return ticking_ != nullptr; }
  int Interval() const { return interval_; }

 private:
  void InitAnimation();
  void RenderFrame();
  bool AdvanceGeometry();
  void CallAfterAnimation();
  void Finish();
  void SetEnabled(bool on);

  TacTimerStarter timers_;
  std::unique_ptr<TacHeldResource> ticking_;
  int interval_ = kParkedInterval;

  std::unique_ptr<IacLayeredTarget> window_;
  PixelImage srcBmp_, dstBmp_;
  std::function<void()> afterHiding_;
  bool eventCalled_ = false;
  TacAnimType mode_ = atAero;
  int stepCount_ = 0;
  int i_ = 0;
  uint8_t startBlendValue_ = 255;
  double trans_ = 0, p_ = 0, dx_ = 0, dy_ = 0;
  double l_ = 0, t_ = 0, r_ = 0, b_ = 0;
};
