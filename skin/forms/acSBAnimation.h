#pragma once
// TacSBAnimation: the fade of one caption button. The button's look in its new state is
// shown in a small layered window over the button whose opacity rises tick by tick
// (12 ms); leaving the button counts it back down, and at 0 the window goes.
#include <windows.h>

#include <functional>
#include <memory>

#include "framework/Timer.h"
#include "pixels/PixelBuffer.h"
#include "skin/forms/acGlowForm.h"
#include "skin/forms/logic/acButtonFade.h"

class TacSBAnimation {
 public:
  // The button's picture in a state, and its top-left on the screen.
  using ImageOf = std::function<PixelImage(int state)>;
  using PlaceOf = std::function<POINT()>;
  // Runs once the fade has counted back to 0; the owner may free the animation then.
  using Finished = std::function<void(TacSBAnimation&)>;

  TacSBAnimation(HWND form, ImageOf image, PlaceOf place, Finished finished);
  ~TacSBAnimation();
  TacSBAnimation(const TacSBAnimation&) = delete;
  TacSBAnimation& operator=(const TacSBAnimation&) = delete;

  // Fades in to state 1 or 2; state 0 fades back out. The same state twice does nothing.
  void ChangeState(int state, bool allowAnimation);
  // One tick of the timer.
  void Step();
  const TacButtonFade& Schedule() const { return fade_; }
  const TacGlowForm* Window() const { return window_.get(); }
  bool Running() const { return timer_.Enabled(); }

 private:
  void Show();

  HWND form_;
  ImageOf image_;
  PlaceOf place_;
  Finished finished_;
  TacButtonFade fade_;
  PixelImage picture_;
  std::unique_ptr<TacGlowForm> window_;
  marv::Timer timer_;
};
