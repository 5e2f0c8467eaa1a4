#include "skin/controls/logic/acSliderToggle.h"

#include <algorithm>
#include <cmath>

std::vector<TacSliderFrame> SliderToggleFrames(int start, int end, int divisor, bool towardStart) {
  std::vector<TacSliderFrame> frames;
  // The weight is the share of the way covered, measured from position 0: it needs a
  // non-zero end position on the side the thumb comes from (start) or goes to (end).
  const int weightBase = towardStart ? start : end;
  if (start == end || weightBase == 0 || divisor <= 1) return frames;
  const double s = start, e = end;
  double p = s;
  while (std::fabs(p - e) > 0.1) {
    p -= (p - e) / divisor;
    const double w = towardStart ? 255 - 255 * p / s : 255 - 255 * p / e;
    // Only the low 8 bits of the rounded weight count.
    frames.push_back({static_cast<int>(std::nearbyint(p)), static_cast<uint8_t>(static_cast<int64_t>(std::nearbyint(w))),
                      std::fabs(p - e) < 1});
  }
  return frames;
}

void CrossFade(const PixelBuffer& out, const PixelBuffer& a, const PixelBuffer& b, uint8_t weight) {
  // a·256 + (b − a)·w = a·(256 − w) + b·w: both terms are positive, so two channels
  // 16 bits apart are blended in one multiply without spilling into each other.
  const uint32_t wb = weight, wa = 256 - wb;
  const int w = std::min({out.width, a.width, b.width});
  const int h = std::min({out.height, a.height, b.height});
  for (int y = 0; y < h; ++y) {
    const uint32_t* pa = a.row(y);
    const uint32_t* pb = b.row(y);
    uint32_t* po = out.row(y);
    for (int x = 0; x < w; ++x) {
      const uint32_t ca = pa[x], cb = pb[x];
      const uint32_t rb = (((ca & 0x00FF00FF) * wa + (cb & 0x00FF00FF) * wb) >> 8) & 0x00FF00FF;
      const uint32_t ag = (((ca >> 8) & 0x00FF00FF) * wa + ((cb >> 8) & 0x00FF00FF) * wb) & 0xFF00FF00;
      po[x] = rb | ag;
    }
  }
}

void WaitFrameEnd(IacFrameClock& clock, uint64_t since, uint32_t ms) {
  while (clock.NowMs() - since < ms) clock.GiveWay();
}
