#pragma once
// Gradients of skin sections: colour bands from top to bottom or left to right, or four
// triangles meeting in the centre. Points come from ParseGradientData.
#include <span>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/base/acGradientData.h"

// Paints the gradient into r (clipped to r and bmp). offset moves where the bands start
// along their direction (offset.Y for vertical bands, offset.X for horizontal ones), for
// pieces of a larger gradient. Colours with alpha below 255 are composed over the picture.
void PaintGradient(const PixelBuffer& bmp, TRect r, std::span<const TsGradPoint> points, TPoint offset = {});

// Puts the gradient under the picture already in r: each pixel p becomes
// (keep·(p - g) + g·256) >> 8 with g the gradient's colour there.
void BlendGradient(const PixelBuffer& bmp, TRect r, std::span<const TsGradPoint> points, int keep);
