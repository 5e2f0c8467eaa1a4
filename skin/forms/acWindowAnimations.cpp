#include "skin/forms/acWindowAnimations.h"

#include <memory>
#include <utility>

#include "skin/data/acSkinEngine.h"
#include "skin/forms/acLayeredWindow.h"

TacWindowAnimations::TacWindowAnimations() : hideTimer_(UiThreadTimers()) {}

void TacWindowAnimations::StartHideAnimation(HWND window, PixelImage picture, int time, HWND owner,
                                             TacAnimType mode, uint8_t startAlpha,
                                             std::function<void()> afterHiding, bool programEnding) {
  TacHideRequest request;
  request.Window = std::make_unique<TacLayeredWindow>(window, TacLayeredWindow::Ownership::Owned);
  request.Picture = std::move(picture);
  request.Time = time;
  request.Mode = mode;
  request.StartAlpha = startAlpha;
  // The form may be gone by the end of its hide: then nobody is told.
  if (afterHiding)
    request.AfterHiding = [owner, fire = std::move(afterHiding)] {
      if (!owner || IsWindow(owner)) fire();
    };
  TacTickClock clock;
  hideTimer_.Start(std::move(request), programEnding ? &clock : nullptr);
}

void AnimShowInWindow(HWND animationWindow, const PixelBuffer& picture, const TacShowSchedule& schedule,
                      POINT place) {
  TacEngineSwitchScope running(TacSkinEngine::Current(), TacEngineSwitchScope::Switch::AnimationRunning, true);
  TacLayeredWindow window(animationWindow, TacLayeredWindow::Ownership::Borrowed);
  TacTickClock clock;
  RunShowAnimation(picture, schedule, {place.x, place.y}, window, clock);
}
