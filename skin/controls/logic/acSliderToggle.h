#pragma once
// The slider switch's toggle animation as data: the thumb positions and cross-fade
// weights of its frames, the cross-fade itself, and the frame pacing against a clock
// that tests can drive without waiting.
#include <cstdint>
#include <vector>

#include "pixels/PixelBuffer.h"

// One frame: where the thumb is drawn and how far the track picture has faded from the
// thumb-at-end picture (0) toward the thumb-at-start picture (255).
struct TacSliderFrame {
  int ThumbPos = 0;
  uint8_t Weight = 0;
  bool WithinOnePixel = false;  // the thumb is less than a pixel from its end
  bool operator==(const TacSliderFrame&) const = default;
};

// Each frame moves the thumb a 1/divisor part of the remaining way from `start` to `end`
// and stops within 0.1 pixel of `end`. towardStart: the thumb slides to its start end
// (the new state rests there). A slide without travel, or whose weight would divide by
// a zero end position, has no frames: the thumb just jumps.
std::vector<TacSliderFrame> SliderToggleFrames(int start, int end, int divisor, bool towardStart);

// The frame steps the skinned slider takes (a third of the way per frame), and the plain one.
inline constexpr int kSkinnedSlideDivisor = 3;
inline constexpr int kPlainSlideDivisor = 4;
// Shortest time a frame stays on the screen.
inline constexpr uint32_t kSliderFrameMs = 12;

// out := a faded toward b by weight, each channel (a·256 + (b − a)·weight) >> 8.
// All three pictures have the same size; out may be a or b.
void CrossFade(const PixelBuffer& out, const PixelBuffer& a, const PixelBuffer& b, uint8_t weight);

// Milliseconds for frame pacing: GiveWay gives the processor away while a frame waits.
class IacFrameClock {
 public:
  virtual ~IacFrameClock() = default;
  virtual uint64_t NowMs() = 0;
  virtual void GiveWay() = 0;
};

// Returns once `ms` have passed since `since`.
void WaitFrameEnd(IacFrameClock& clock, uint64_t since, uint32_t ms = kSliderFrameMs);
