#include "skin/forms/logic/acHideTimer.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "skin/forms/logic/acAnimPicture.h"

TacHideTimer::TacHideTimer(TacTimerStarter timers) : timers_(std::move(timers)) {}

TacHideTimer::~TacHideTimer() {
  ticking_.reset();
  CallAfterAnimation();
}

void TacHideTimer::SetEnabled(bool on) {
  ticking_.reset();
  if (on && timers_) ticking_ = timers_(interval_, [this] { HideStep(); });
}

void TacHideTimer::Start(TacHideRequest request, IacAnimClock* waitOn) {
  // The running hide ends at once; its form hears nothing.
  if (window_) {
    SetEnabled(false);
    window_.reset();
    afterHiding_ = nullptr;
  }
  stepCount_ = request.Time / kAnimFrameMs;
  if (stepCount_ <= 0 || request.Picture.empty() || !request.Window) return;  // the window simply vanishes

  afterHiding_ = std::move(request.AfterHiding);
  eventCalled_ = false;
  i_ = 0;
  srcBmp_ = std::move(request.Picture);
  startBlendValue_ = request.StartAlpha;
  window_ = std::move(request.Window);
  mode_ = request.Mode;
  interval_ = kAnimFrameMs;

  window_->Put(srcBmp_.view(), startBlendValue_);
  window_->ShowNoActivate();
  dstBmp_ = PixelImage(srcBmp_.width(), srcBmp_.height());
  InitAnimation();

  if (waitOn) {
    while (window_ && i_ <= stepCount_) {
      const uint64_t start = waitOn->Milliseconds();
      HideStep();
      WaitForFrameEnd(*waitOn, start);
    }
    if (window_) HideStep();  // the end
    return;
  }
  HideStep();
  if (window_) SetEnabled(true);
}

void TacHideTimer::InitAnimation() {
  const double w = srcBmp_.width(), h = srcBmp_.height();
  trans_ = startBlendValue_;
  p_ = static_cast<double>(startBlendValue_) / stepCount_;
  l_ = t_ = 0;
  r_ = w, b_ = h;
  dx_ = dy_ = 0;
  switch (mode_) {
    case atAero:
      dx_ = -w / (32.0 * stepCount_);
      dy_ = -h / (32.0 * stepCount_);
      break;
    case atDropDown:
      p_ = 0;
      dy_ = h / 2;
      break;
    case atFading:
      r_ = b_ = 0;
      break;
  }
}

void TacHideTimer::RenderFrame() {
  trans_ = std::max(0.0, trans_ - p_);
  const PixelBuffer dst = dstBmp_.view(), src = srcBmp_.view();
  // Where the shrunk picture goes; none: the picture whole.
  std::optional<TRect> place;
  switch (mode_) {
    case atAero:
      if (l_ >= 0 && t_ >= 0)
        place = TRect::FromSize(RoundHalfEven(l_), RoundHalfEven(t_), RoundHalfEven(r_ - l_), RoundHalfEven(b_ - t_));
      break;
    case atDropDown:
      if (b_ != src.height) place = TRect::FromSize(0, 0, src.width, RoundHalfEven(b_));
      break;
    case atFading:
      // Only the opacity changes after the first frame.
      if (l_ != 0) return;
      l_ = 1;
      break;
  }
  if (place) {
    ClearOutside(dst, *place);
    StretchNearest(dst, *place, src);
  } else {
    CopyWhole(dst, src);
  }
}

bool TacHideTimer::AdvanceGeometry() {
  switch (mode_) {
    case atAero:
      l_ -= dx_, t_ -= dy_, r_ += dx_, b_ += dy_;
      return true;
    case atDropDown:
      b_ /= 2;
      return b_ >= 2;
    case atFading:
      return true;
  }
  return true;
}

void TacHideTimer::HideStep() {
  if (!window_) return;
  bool goOn = false;
  if (i_ <= stepCount_) {
    RenderFrame();
    window_->Put(dstBmp_.view(), RoundOpacity(trans_));
    goOn = AdvanceGeometry();
    ++i_;
    if (goOn) return;
  }
  Finish();
}

void TacHideTimer::Finish() {
  i_ = stepCount_ + 1;
  SetEnabled(false);
  interval_ = kParkedInterval;
  // Taken out before the event: a hide the event starts keeps its own window and timer.
  std::unique_ptr<IacLayeredTarget> window = std::move(window_);
  PixelImage src = std::move(srcBmp_), dst = std::move(dstBmp_);
  srcBmp_ = PixelImage();
  dstBmp_ = PixelImage();
  CallAfterAnimation();
}

void TacHideTimer::CallAfterAnimation() {
  if (eventCalled_ || !afterHiding_) return;
  eventCalled_ = true;
  std::function<void()> fire = std::exchange(afterHiding_, nullptr);
  fire();
}
