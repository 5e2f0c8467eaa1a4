#pragma once
// What the program keeps for its window animations (one object, owned with the skin
// engine's Windows side): the one hide timer, and the entry points the form and dialog
// adapters call once they hold an animation window and a picture. Nothing here knows a
// provider: the caller hands the window, the picture and what to fire afterwards.
#include <windows.h>

#include <functional>

#include "pixels/PixelBuffer.h"
#include "skin/data/acManagerOptions.h"
#include "skin/forms/logic/acHideTimer.h"
#include "skin/forms/logic/acShowAnimation.h"

class TacWindowAnimations {
 public:
  TacWindowAnimations();
  TacWindowAnimations(const TacWindowAnimations&) = delete;
  TacWindowAnimations& operator=(const TacWindowAnimations&) = delete;

  // Hands window (destroyed when the animation ends) and picture to the hide timer; a
  // running hide ends at once. afterHiding runs once at the end while owner (when given)
  // still exists. programEnding: every frame runs now.
  void StartHideAnimation(HWND window, PixelImage picture, int time, HWND owner, TacAnimType mode,
                          uint8_t startAlpha, std::function<void()> afterHiding, bool programEnding = false);
  bool HideRunning() const { return hideTimer_.Running(); }
  const TacHideTimer& HideTimer() const { return hideTimer_; }

 private:
  TacHideTimer hideTimer_;
};

// A show in one go in animationWindow (left standing, at the final opacity, at place),
// while the engine's AnimationRunning switch is on.
void AnimShowInWindow(HWND animationWindow, const PixelBuffer& picture, const TacShowSchedule& schedule,
                      POINT place);
