#pragma once
// The slider switch's behaviour without windows: its state, the thumb's place, setting
// the state with the changing/changed events, dragging the thumb, and the animated
// toggle of a click. What it does to windows and pictures goes through IacSliderView.
#include <atomic>
#include <functional>
#include <string_view>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/controls/logic/acSliderGeometry.h"
#include "skin/controls/logic/acSliderToggle.h"

class IacSliderView {
 public:
  virtual ~IacSliderView() = default;
  // The thumb was placed here (its window moves; its picture is stale).
  virtual void MoveThumb(const TRect& thumb) = 0;
  // The thumb's section for the current state; with the guard its binding is marked as
  // updating meanwhile. Its picture is stale afterwards.
  virtual void UpdateThumbSection(bool guard) = 0;
  virtual std::string_view ThumbSection() = 0;
  // The thumb takes the font and font colour of the current state.
  virtual void ApplyThumbState() = 0;
  // The slider binding's batch update around a state change, and the track's section
  // for the new state.
  virtual void BeginStateUpdate() = 0;
  virtual void EndStateUpdate() = 0;
  virtual void UpdateIndexes() = 0;
  virtual bool Loading() = 0;
  // Marks the track's picture stale (optionally) and redraws the slider with its
  // children at once.
  virtual void RedrawAll(bool pictureStale) = 0;
  virtual void RedrawThumbWithFrame() = 0;
  virtual bool SliderHoldsCapture() = 0;

  // The toggle animation.
  virtual bool Skinned() = 0;
  virtual bool FullPaint() = 0;
  virtual bool AnimationAllowed() = 0;
  // The track's cache picture; RebuildCache marks it stale and paints it for the
  // current state (when skinned).
  virtual PixelBuffer Cache() = 0;
  virtual void RebuildCache() = 0;
  virtual void MarkThumbStale() = 0;
  // Redrawing of the slider's window off while a frame is prepared, then on again.
  virtual void SetRedraw(bool on) = 0;
  virtual IacFrameClock& Clock() = 0;
};

class TacSliderCore {
 public:
  explicit TacSliderCore(IacSliderView& view) : view_(view) {}

  // Properties other than the state; after a change call UpdateThumbPos.
  TacSliderShape& Properties() { return shape_; }
  // The properties with the current state, as the geometry reads them.
  TacSliderShape Shape() const;

  // Readable from any thread.
  bool SliderOn() const { return on_.load(); }
  void SetSliderOn(bool value);
  bool ThumbAtStart() const { return ::ThumbAtStart(Shape()); }
  int ThumbMargin(TacThumbSide side) const { return ::ThumbMargin(Shape(), side); }

  const TRect& Thumb() const { return thumb_; }
  // Places the thumb at the end its state rests at (not while it is being dragged).
  void UpdateThumbPos();

  // The thumb's mouse, in thumb coordinates.
  void ThumbMouseDown(bool leftButton, TPoint at);
  void ThumbMouseMove(TPoint at);
  void ThumbMouseUp();
  // A click: the thumb slides to the other end while the track cross-fades.
  void AnimatedToggle();

  bool Capturing() const { return capturing_; }
  bool Dragged() const { return dragged_; }
  bool Changing() const { return changing_; }

  // May refuse a change by setting its argument to false.
  std::function<void(bool& canChange)> OnChanging;
  // After every change of state.
  std::function<void()> OnSliderChange;

 private:
  bool DoChanging();
  void PlaceThumbAlongTrack(int pos);
  void Flip() { on_.store(!on_.load()); }
  // The thumb's section follows the new state when it does not already.
  void RefreshThumbSectionForState();
  void CrossFadeSlide(int start, int end);
  void PlainSlide(int start, int end);
  void DragHorizontal(int x, bool before);
  void DragVertical(int y, bool before);

  IacSliderView& view_;
  TacSliderShape shape_;
  std::atomic<bool> on_{true};
  TRect thumb_;
  bool capturing_ = false;
  bool dragged_ = false;
  bool changing_ = false;
  TPoint mouseDownSpot_;
  TPoint clickPoint_;
};
