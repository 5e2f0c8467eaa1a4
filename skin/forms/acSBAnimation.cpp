#include "skin/forms/acSBAnimation.h"

TacSBAnimation::TacSBAnimation(HWND form, ImageOf image, PlaceOf place, Finished finished)
    : form_(form), image_(std::move(image)), place_(std::move(place)), finished_(std::move(finished)),
      timer_(kButtonFadeInterval) {
  timer_.OnTimer = [this](marv::Timer&) { Step(); };
}

TacSBAnimation::~TacSBAnimation() { timer_.SetEnabled(false); }

void TacSBAnimation::ChangeState(int state, bool allowAnimation) {
  if (state <= 0) {
    if (!fade_.FadingIn()) return;
    fade_.Leave();
  } else {
    if (!fade_.Start(state, allowAnimation)) return;
    picture_ = image_(state);
  }
  timer_.SetEnabled(true);
  Step();  // the first step shows at once
}

void TacSBAnimation::Show() {
  if (!window_) window_ = std::make_unique<TacGlowForm>(form_);
  window_->ShowPicture(picture_.view(), place_(), static_cast<uint8_t>(fade_.Opacity()));
}

void TacSBAnimation::Step() {
  const bool more = fade_.Step();
  if (fade_.Finished()) {
    timer_.SetEnabled(false);
    window_.reset();
    if (finished_) finished_(*this);  // may free this object: nothing after it
    return;
  }
  Show();
  if (!more) timer_.SetEnabled(false);
}
