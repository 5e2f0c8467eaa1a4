#pragma once
// What lies under an element while it is painted: the parent's finished picture, or
// only its plain colour. Filled by the control binding from its parent's answer.
#include <cstdint>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/base/acPixelOps.h"

struct TCacheInfo {
  // The parent's picture; with Ready the background under the element is Bmp shifted
  // by (X, Y). Without Ready it still applies inside the FillRect margins.
  PixelBuffer Bmp;
  int X = 0;
  int Y = 0;
  uint32_t FillColor = kKeyColor;  // plain background colour; magenta = unknown
  TRect FillRect;                  // the parent's left, top, right, bottom border widths
  bool Ready = false;

  bool Known() const { return Ready || !IsKeyColor(FillColor); }
  TCacheInfo Shifted(TPoint offset) const {
    TCacheInfo c = *this;
    c.X += offset.X;
    c.Y += offset.Y;
    return c;
  }
};

// A ready background: the picture bmp with the element's top-left at (x, y).
inline TCacheInfo MakeCacheInfo(PixelBuffer bmp, int x = 0, int y = 0) {
  TCacheInfo c;
  c.Bmp = bmp;
  c.X = x;
  c.Y = y;
  c.Ready = true;
  return c;
}

// A background known only by its colour.
inline TCacheInfo ColorCacheInfo(uint32_t color) {
  TCacheInfo c;
  c.FillColor = color;
  return c;
}
