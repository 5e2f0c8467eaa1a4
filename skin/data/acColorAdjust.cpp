#include "skin/data/acColorAdjust.h"

#include <algorithm>

namespace {
int Channel(uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }
uint32_t Compose(uint32_t from, int r, int g, int b) {
  return (from & 0xFF000000u) | static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b) << 16;
}
}  // namespace

uint32_t ChangeBrightness(uint32_t color, int brightness) {
  const auto adjust = [&](int ch) {
    return brightness > 0 ? std::min(255, ch + ((brightness * ch) >> 8)) : std::max(0, ch - ((-brightness * ch) >> 8));
  };
  return Compose(color, adjust(Channel(color, 0)), adjust(Channel(color, 8)), adjust(Channel(color, 16)));
}
