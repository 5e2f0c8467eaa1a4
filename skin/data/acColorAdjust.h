#pragma once
// The brightness adjustment of the skin recolouring (hue and saturation are the painters'
// colour operations, skin/paint/acColorOps.h). Colours are red in the low byte; the top
// byte (alpha) is kept.
#include <cstdint>

#include "pixels/PixelBuffer.h"
#include "skin/base/acSkinPixels.h"

// Brightness -100..100: each channel moved by (|b| * channel) >> 8, clamped.
uint32_t ChangeBrightness(uint32_t color, int brightness);

// Applies a colour adjustment to every pixel that is not key colour.
template <typename Adjust>
void AdjustPixels(const PixelBuffer& image, Adjust adjust) {
  for (int y = 0; y < image.height; ++y) {
    uint32_t* row = image.row(y);
    for (int x = 0; x < image.width; ++x) {
      const uint32_t p = row[x];
      if (IsKeyPixel(p)) continue;
      row[x] = ColorToPixel(adjust(PixelToColor(p)), PixelA(p));
    }
  }
}
