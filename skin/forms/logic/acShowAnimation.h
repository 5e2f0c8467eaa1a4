#pragma once
// The show animation of a form or dialog: its picture grows from 30/32 of its size
// (atAero), fades in (atFading) or drops down (atDropDown) in N = Time div 12 frames of
// 12 ms, and then stands at its final opacity. It runs in one go inside the message that
// shows the window; the real window takes over afterwards.
#include <cstdint>
#include <vector>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/data/acManagerOptions.h"  // TacAnimType
#include "skin/forms/logic/acLayeredTarget.h"

// How one frame changes the working picture before it is shown.
enum class TacFrameDraw : uint8_t {
  Keep,     // only the opacity changes
  Whole,    // the picture is copied whole
  Stretch,  // the picture is stretched into Place
};

struct TacShowFrame {
  uint8_t Opacity = 0;
  TacFrameDraw Draw = TacFrameDraw::Keep;
  TRect Place;  // Stretch only, inside the picture's own rectangle
  bool operator==(const TacShowFrame&) const = default;
};

class TacShowSchedule {
 public:
  // blendValue: the form's final opacity (its AlphaBlendValue, or 255).
  TacShowSchedule(TPoint pictureSize, int time, uint8_t blendValue, TacAnimType mode);

  int Steps() const { return steps_; }
  uint8_t BlendValue() const { return blendValue_; }
  // The whole picture is put up at this opacity before the first frame.
  uint8_t FirstOpacity() const { return steps_ == 0 ? blendValue_ : 0; }
  // The frames in order; empty when Time is below one frame.
  const std::vector<TacShowFrame>& Frames() const { return frames_; }

 private:
  void PlanAero(TPoint size);
  void PlanDropDown(TPoint size);
  void PlanFading();

  int steps_;
  uint8_t blendValue_;
  std::vector<TacShowFrame> frames_;
};

// Draws a frame into the working picture (the picture's size, cleared before the first).
void DrawShowFrame(const TacShowFrame& frame, const PixelBuffer& work, const PixelBuffer& picture);

// The whole show on `window`: the picture at the first opacity at `place`, shown, the
// frames 12 ms apart, then the picture at the final opacity once more at `place`.
void RunShowAnimation(const PixelBuffer& picture, const TacShowSchedule& schedule, TPoint place,
                      IacLayeredTarget& window, IacAnimClock& clock);
