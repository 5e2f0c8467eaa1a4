#include "skin/base/acColorMix.h"

#include <algorithm>

uint32_t MixColor(uint32_t C1, uint32_t C2, int W) {
  const uint32_t w = static_cast<uint32_t>(std::clamp(W, 0, 255));
  uint32_t mixed = C1 & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t a = (C1 >> shift) & 0xFF, b = (C2 >> shift) & 0xFF;
    mixed |= ((a * w + b * (255 - w)) >> 8) << shift;
  }
  return mixed;
}
