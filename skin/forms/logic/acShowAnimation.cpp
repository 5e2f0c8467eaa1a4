#include "skin/forms/logic/acShowAnimation.h"

#include <algorithm>

#include "skin/forms/logic/acAnimPicture.h"

namespace {

// Opacities rise by (BlendValue - 50) / N from 0, kept within 0..BlendValue: a form
// shown at a low opacity stays at 0 until the final picture.
std::vector<uint8_t> ShowOpacities(int steps, uint8_t blendValue) {
  std::vector<uint8_t> out;
  const double step = (blendValue - 50.0) / steps;
  double o = 0;
  for (int k = 0; k <= steps; ++k) {
    o = std::clamp(std::min<double>(blendValue, o + step), 0.0, static_cast<double>(blendValue));
    out.push_back(RoundOpacity(o));
  }
  return out;
}

TRect RoundedPlace(double l, double t, double r, double b) {
  return TRect::FromSize(RoundHalfEven(l), RoundHalfEven(t), RoundHalfEven(r - l), RoundHalfEven(b - t));
}

}  // namespace

TacShowSchedule::TacShowSchedule(TPoint pictureSize, int time, uint8_t blendValue, TacAnimType mode)
    : steps_(std::max(0, time / kAnimFrameMs)), blendValue_(blendValue) {
  if (steps_ == 0) return;
  switch (mode) {
    case atAero: PlanAero(pictureSize); break;
    case atDropDown: PlanDropDown(pictureSize); break;
    case atFading: PlanFading(); break;
  }
}

void TacShowSchedule::PlanAero(TPoint size) {
  const std::vector<uint8_t> opacity = ShowOpacities(steps_, blendValue_);
  const double w = size.X, h = size.Y;
  double l = w / 32, t = h / 32, r = w - w / 32, b = h - h / 32;
  const double dx = (w / 32) / steps_, dy = (h / 32) / steps_;
  for (int k = 0; k <= steps_; ++k) {
    TacShowFrame f{opacity[static_cast<size_t>(k)], TacFrameDraw::Whole, {}};
    if (l >= 0 && t >= 0) {
      f.Draw = TacFrameDraw::Stretch;
      f.Place = RoundedPlace(l, t, r, b);
    }
    frames_.push_back(f);
    l -= dx, t -= dy, r += dx, b += dy;
  }
}

void TacShowSchedule::PlanDropDown(TPoint size) {
  // Full opacity; the height runs 0, H/2, 3H/4, ... until the next gain is below 2 pixels.
  const double w = size.X, h = size.Y;
  double r = w, b = 0, dx = 0, dy = h / 2;
  for (int k = 0; k <= steps_; ++k) {
    frames_.push_back({255, TacFrameDraw::Stretch, RoundedPlace(0, 0, r, b)});
    r = w - dx, b = h - dy;
    dx /= 2, dy /= 2;
    if (dx < 2 && dy < 2) break;
  }
}

void TacShowSchedule::PlanFading() {
  const std::vector<uint8_t> opacity = ShowOpacities(steps_, blendValue_);
  for (int k = 0; k <= steps_; ++k)
    frames_.push_back({opacity[static_cast<size_t>(k)], k == 0 ? TacFrameDraw::Whole : TacFrameDraw::Keep, {}});
}

void DrawShowFrame(const TacShowFrame& frame, const PixelBuffer& work, const PixelBuffer& picture) {
  switch (frame.Draw) {
    case TacFrameDraw::Keep: break;
    case TacFrameDraw::Whole: CopyWhole(work, picture); break;
    case TacFrameDraw::Stretch: StretchNearest(work, frame.Place, picture); break;
  }
}

void RunShowAnimation(const PixelBuffer& picture, const TacShowSchedule& schedule, TPoint place,
                      IacLayeredTarget& window, IacAnimClock& clock) {
  window.Put(picture, schedule.FirstOpacity(), place);
  window.ShowNoActivate();
  if (!schedule.Frames().empty()) {
    PixelImage work(picture.width, picture.height);
    for (const TacShowFrame& frame : schedule.Frames()) {
      DrawShowFrame(frame, work.view(), picture);
      const uint64_t start = clock.Milliseconds();
      window.Put(work.view(), frame.Opacity);
      WaitForFrameEnd(clock, start);
    }
  }
  window.Put(picture, schedule.BlendValue(), place);
}
