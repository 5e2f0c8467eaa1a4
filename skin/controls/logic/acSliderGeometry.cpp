#include "skin/controls/logic/acSliderGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }
}  // namespace

int TacOffset::Of(TacThumbSide side) const {
  switch (side) {
    case TacThumbSide::Left: return left_;
    case TacThumbSide::Top: return top_;
    case TacThumbSide::Right: return right_;
    case TacThumbSide::Bottom: return bottom_;
  }
  return 0;
}

bool ThumbAtStart(const TacSliderShape& s) { return s.SliderOn != s.Reversed; }

int ThumbMargin(const TacSliderShape& s, TacThumbSide side) {
  const int offset = s.Offsets ? s.Offsets->Of(side) : 0;
  const TacThumbMarginRule& rule = s.MarginRule;
  if (rule.ImageThumb) return offset;
  if (!rule.Skinned) return offset + 1;
  if (rule.StretchedPPI < 0) return offset + rule.SliderMargin;
  return offset + rule.SliderMargin * rule.StretchedPPI / 96;
}

int ThumbRestPos(const TacSliderShape& s, const TRect& thumb, bool atStart) {
  if (s.Vertical())
    return atStart ? ThumbMargin(s, TacThumbSide::Top) : s.Height - thumb.Height() - ThumbMargin(s, TacThumbSide::Bottom);
  return atStart ? ThumbMargin(s, TacThumbSide::Left) : s.Width - thumb.Width() - ThumbMargin(s, TacThumbSide::Right);
}

TRect ThumbRect(const TacSliderShape& s, bool capturing, TRect current) {
  using enum TacThumbSide;
  if (!s.Vertical()) {
    const int h = s.Height - ThumbMargin(s, Top) - ThumbMargin(s, Bottom);
    const int w = s.KeepThumbAspectRatio ? h : s.Width * s.ThumbSizeInPercent / 100;
    const TRect sized = TRect::FromSize(0, 0, w, h);
    const int left = capturing ? current.Left : ThumbRestPos(s, sized, ThumbAtStart(s));
    return TRect::FromSize(left, ThumbMargin(s, Top), w, h);
  }
  const int w = s.Width - ThumbMargin(s, Left) - ThumbMargin(s, Right);
  const int h = s.KeepThumbAspectRatio ? w : s.Height * s.ThumbSizeInPercent / 100;
  const TRect sized = TRect::FromSize(0, 0, w, h);
  const int top = capturing ? current.Top : ThumbRestPos(s, sized, ThumbAtStart(s));
  return TRect::FromSize(ThumbMargin(s, Left), top, w, h);
}

bool StateFromThumbPos(const TacSliderShape& s, const TRect& thumb) {
  using enum TacThumbSide;
  const double q = s.ThumbSizeInPercent / 100.0;
  if (!s.Vertical()) {
    if (!s.Reversed) return thumb.Left < RoundHalfEven((s.Width - thumb.Width()) * q) - ThumbMargin(s, Right);
    return thumb.Left > ThumbMargin(s, Left) + RoundHalfEven(thumb.Width() * q);
  }
  if (!s.Reversed) return thumb.Top < RoundHalfEven((s.Height - thumb.Height()) * q) - ThumbMargin(s, Bottom);
  return thumb.Top > ThumbMargin(s, Top) + RoundHalfEven(thumb.Height() * q);
}

TRect SliderContentRect(const TacSliderShape& s, const TRect& thumb, int i) {
  TRect r{i, i, s.Width - i, s.Height - i};
  if (!ThumbAtStart(s)) {
    if (!s.Vertical())
      r.Right = i + s.Width - thumb.Width();
    else
      r.Bottom = i + s.Height - thumb.Height();
  } else {
    if (!s.Vertical())
      r.Left = thumb.Width() - i;
    else
      r.Top = thumb.Height() + i;
  }
  return r;
}

TacSize SliderAutoSize(const TacSliderShape& s, const TacSliderAutoSizeInput& in) {
  int h = 8, extra = 0, g = 0;
  if (in.HasImages) {
    h = in.ImageHeight;
    if (!s.Vertical())
      extra = in.ImageWidth + 2;
    else
      g = in.ImageHeight + 2;
  }
  if (!in.ShowCaption) return {extra, h};
  const int w = 3 * in.Scale8 + extra + 2 * std::max(in.CaptionOffWidth, in.CaptionOnWidth);
  return {w, std::max(g + in.CaptionOnHeight, h) + in.Scale8};
}
