#include "skin/controls/logic/acSliderCore.h"

#include <cmath>

#include "pixels/PixelBuffer.h"

namespace {

// A picture of the same size as `like`, holding a copy of it.
PixelImage CopyOf(const PixelBuffer& like) {
  PixelImage copy(like.empty() ? 0 : like.width, like.empty() ? 0 : like.height);
  for (int y = 0; y < copy.height(); ++y)
    for (int x = 0; x < copy.width(); ++x) copy.at(x, y) = like.at(x, y);
  return copy;
}

}  // namespace

TacSliderShape TacSliderCore::Shape() const {
  TacSliderShape s = shape_;
  s.SliderOn = on_.load();
  return s;
}

void TacSliderCore::UpdateThumbPos() {
  thumb_ = ThumbRect(Shape(), capturing_, thumb_);
  view_.MoveThumb(thumb_);
  view_.UpdateThumbSection(false);
}

bool TacSliderCore::DoChanging() {
  bool canChange = true;
  if (OnChanging) OnChanging(canChange);
  return canChange;
}

void TacSliderCore::SetSliderOn(bool value) {
  if (value == on_.load()) return;
  const bool accepted = DoChanging();
  if (accepted) {
    view_.BeginStateUpdate();
    on_.store(value);
    UpdateThumbPos();
    view_.ApplyThumbState();
    view_.UpdateIndexes();
    view_.EndStateUpdate();
    if (!view_.Loading()) view_.RedrawAll(true);
    if (OnSliderChange) OnSliderChange();
  }
  // A refused change during a drag ends the drag and sends the thumb back to its end; so
  // does an accepted one that someone listens to. Unheard, the drag goes on.
  if (accepted && !OnSliderChange) return;
  if (!view_.SliderHoldsCapture()) {
    dragged_ = false;
    capturing_ = false;
    UpdateThumbPos();
  }
}

void TacSliderCore::ThumbMouseDown(bool leftButton, TPoint at) {
  if (!leftButton) return;
  capturing_ = true;
  mouseDownSpot_ = at;
  clickPoint_ = at;
}

void TacSliderCore::ThumbMouseMove(TPoint at) {
  if (!capturing_) return;
  const bool before = on_.load();
  // Coming back to the very press point makes the press a click again.
  dragged_ = !(at == clickPoint_);
  if (!shape_.Vertical())
    DragHorizontal(at.X, before);
  else
    DragVertical(at.Y, before);
  view_.MarkThumbStale();
}

void TacSliderCore::PlaceThumbAlongTrack(int pos) {
  thumb_ = shape_.Vertical() ? TRect::FromSize(thumb_.Left, pos, thumb_.Width(), thumb_.Height())
                             : TRect::FromSize(pos, thumb_.Top, thumb_.Width(), thumb_.Height());
  view_.MoveThumb(thumb_);
}

void TacSliderCore::DragHorizontal(int x, bool before) {
  using enum TacThumbSide;
  const int width = shape_.Width, tw = thumb_.Width();
  const int n = thumb_.Left - (mouseDownSpot_.X - x);
  if (n > ThumbMargin(Left) && n + tw < width - ThumbMargin(Right)) {
    PlaceThumbAlongTrack(n);
    // Within 3 pixels of the far end the state turns over while the button is still down.
    if (ThumbAtStart() && on_.load() == before && thumb_.Left > width - tw - 3 - ThumbMargin(Right))
      SetSliderOn(!on_.load());
    if (!ThumbAtStart() && thumb_.Left < ThumbMargin(Left) + 3) SetSliderOn(!on_.load());
  } else if (n < ThumbMargin(Left)) {
    if (thumb_.Left != ThumbMargin(Left)) {
      PlaceThumbAlongTrack(ThumbMargin(Left));
      SetSliderOn(StateFromThumbPos(Shape(), thumb_));
    }
  } else if (n + tw > width) {
    PlaceThumbAlongTrack(width - tw - ThumbMargin(Right));
    SetSliderOn(StateFromThumbPos(Shape(), thumb_));
  }
}

void TacSliderCore::DragVertical(int y, bool before) {
  using enum TacThumbSide;
  const int height = shape_.Height, th = thumb_.Height();
  const int n = thumb_.Top - (mouseDownSpot_.Y - y);
  if (n > ThumbMargin(Top) && n + th < height - ThumbMargin(Bottom)) {
    PlaceThumbAlongTrack(n);
    if (ThumbAtStart() && on_.load() == before && thumb_.Top > height - th - 3 - ThumbMargin(Bottom))
      SetSliderOn(!on_.load());
    if (!ThumbAtStart() && thumb_.Top < ThumbMargin(Top) + 3) SetSliderOn(!on_.load());
  } else if (n < ThumbMargin(Top)) {
    if (thumb_.Top != ThumbMargin(Top)) {
      PlaceThumbAlongTrack(ThumbMargin(Top));
      SetSliderOn(StateFromThumbPos(Shape(), thumb_));
    }
  } else if (n + th > height) {
    PlaceThumbAlongTrack(height - th - ThumbMargin(Bottom));
    SetSliderOn(StateFromThumbPos(Shape(), thumb_));
  }
}

void TacSliderCore::ThumbMouseUp() {
  if (capturing_) {
    capturing_ = false;
    if (dragged_)
      SetSliderOn(StateFromThumbPos(Shape(), thumb_));
    else
      AnimatedToggle();
    UpdateThumbPos();
  }
  dragged_ = false;
}

void TacSliderCore::RefreshThumbSectionForState() {
  const std::string_view expected = ThumbAtStart() ? "THUMB_ON" : "THUMB_OFF";
  if (view_.ThumbSection() != expected || shape_.Reversed) {
    view_.UpdateThumbSection(true);
    view_.MarkThumbStale();
  }
}

void TacSliderCore::AnimatedToggle() {
  if (!DoChanging() || changing_) return;
  changing_ = true;
  const TacSliderShape shape = Shape();
  const int start = shape.Vertical() ? thumb_.Top : thumb_.Left;
  const int end = ThumbRestPos(shape, thumb_, !ThumbAtStart());
  // Without animation nothing repaints the track for the new state: mark it stale here.
  bool trackStale = false;
  if (!view_.AnimationAllowed()) {
    PlaceThumbAlongTrack(end);
    Flip();
    RefreshThumbSectionForState();
    trackStale = true;
  } else if (view_.Skinned() || view_.FullPaint()) {
    CrossFadeSlide(start, end);
  } else {
    PlainSlide(start, end);
  }
  view_.RedrawAll(trackStale);
  UpdateThumbPos();
  view_.ApplyThumbState();
  view_.RedrawThumbWithFrame();
  if (OnSliderChange) OnSliderChange();
  changing_ = false;
}

void TacSliderCore::CrossFadeSlide(int start, int end) {
  // atStart: the track picture with the thumb resting at the start; atEnd: at the end.
  PixelImage atStart, atEnd;
  (ThumbAtStart() ? atStart : atEnd) = CopyOf(view_.Cache());
  Flip();
  view_.RebuildCache();
  (ThumbAtStart() ? atStart : atEnd) = CopyOf(view_.Cache());
  const bool towardStart = ThumbAtStart();
  IacFrameClock& clock = view_.Clock();
  bool sectionRefreshed = false;
  for (const TacSliderFrame& frame : SliderToggleFrames(start, end, kSkinnedSlideDivisor, towardStart)) {
    const uint64_t t = clock.NowMs();
    view_.SetRedraw(false);
    view_.MarkThumbStale();
    PlaceThumbAlongTrack(frame.ThumbPos);
    const PixelBuffer cache = view_.Cache();
    if (!atStart.empty() && !atEnd.empty() && !cache.empty())
      CrossFade(cache, atEnd.view(), atStart.view(), frame.Weight);
    // Near the end the thumb takes the look of the state it arrives at.
    if (!sectionRefreshed && frame.WithinOnePixel && view_.Skinned()) {
      sectionRefreshed = true;
      RefreshThumbSectionForState();
    }
    view_.SetRedraw(true);
    view_.RedrawAll(false);
    WaitFrameEnd(clock, t);
  }
  view_.RebuildCache();
}

void TacSliderCore::PlainSlide(int start, int end) {
  Flip();
  IacFrameClock& clock = view_.Clock();
  for (const TacSliderFrame& frame : SliderToggleFrames(start, end, kPlainSlideDivisor, ThumbAtStart())) {
    const uint64_t t = clock.NowMs();
    PlaceThumbAlongTrack(frame.ThumbPos);
    view_.RedrawAll(false);
    WaitFrameEnd(clock, t);
  }
}
