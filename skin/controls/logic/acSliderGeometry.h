#pragma once
// Where the slider switch's thumb sits and which state a thumb position means: the
// platform-free geometry of TsSlider, in pixels of the control.
#include <functional>

#include "pixels/Geometry.h"

enum class TacSliderOrientation { Horizontal, Vertical };
enum class TacContentPlacing { Thumb, Background };
enum class TacThumbSide { Left, Top, Right, Bottom };

// Extra margins around the thumb, all 0 by default. A change runs OnChange (the slider
// re-lays out its thumb).
class TacOffset {
 public:
  int Top() const { return top_; }
  int Left() const { return left_; }
  int Right() const { return right_; }
  int Bottom() const { return bottom_; }
  void SetTop(int v) { Set(top_, v); }
  void SetLeft(int v) { Set(left_, v); }
  void SetRight(int v) { Set(right_, v); }
  void SetBottom(int v) { Set(bottom_, v); }
  int Of(TacThumbSide side) const;

  std::function<void()> OnChange;

 private:
  void Set(int& field, int v) {
    if (field == v) return;
    field = v;
    if (OnChange) OnChange();
  }
  int top_ = 0, left_ = 0, right_ = 0, bottom_ = 0;
};

// What the margin around the thumb is made of besides the custom offsets.
struct TacThumbMarginRule {
  bool ImageThumb = false;  // the thumb is a picture of the image list: offsets only
  bool Skinned = false;     // else 1 pixel of plain bevel
  int SliderMargin = 1;     // the skin's margin at the density in use
  int StretchedPPI = -1;    // >= 0: the skin's masks are stretched to this density
};

// Everything the layout depends on.
struct TacSliderShape {
  int Width = 57;
  int Height = 21;
  bool SliderOn = true;
  bool Reversed = false;
  TacSliderOrientation Orientation = TacSliderOrientation::Horizontal;
  bool KeepThumbAspectRatio = true;
  int ThumbSizeInPercent = 50;
  TacThumbMarginRule MarginRule;
  const TacOffset* Offsets = nullptr;  // null: all 0

  bool Vertical() const { return Orientation == TacSliderOrientation::Vertical; }
};

// The thumb rests at the start of the track (left, or top when vertical).
bool ThumbAtStart(const TacSliderShape& s);
int ThumbMargin(const TacSliderShape& s, TacThumbSide side);
// The thumb's rectangle at rest. While the user drags it (capturing), its place along the
// track stays `current`'s and only its size and cross position follow the control.
TRect ThumbRect(const TacSliderShape& s, bool capturing = false, TRect current = {});
// The thumb's resting place along the track (left, or top) for the start or the end.
int ThumbRestPos(const TacSliderShape& s, const TRect& thumb, bool atStart);
// The state a thumb left (top) stands for when the user lets go of it.
bool StateFromThumbPos(const TacSliderShape& s, const TRect& thumb);

// The free part of the track beside the thumb, where background content goes.
// bevelAndBorder: the border width plus the bevel width for each bevel drawn.
TRect SliderContentRect(const TacSliderShape& s, const TRect& thumb, int bevelAndBorder);

// What the auto-size step measures.
struct TacSliderAutoSizeInput {
  int Scale8 = 8;  // 8 pixels at the control's scale
  bool ShowCaption = true;
  int CaptionOnWidth = 0, CaptionOffWidth = 0, CaptionOnHeight = 0;
  bool HasImages = false;
  int ImageWidth = 0, ImageHeight = 0;
};
struct TacSize {
  int Width = 0;
  int Height = 0;
  bool operator==(const TacSize&) const = default;
};
// The control's size for its captions and glyphs (not in full-paint mode).
TacSize SliderAutoSize(const TacSliderShape& s, const TacSliderAutoSizeInput& in);
