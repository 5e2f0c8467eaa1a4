#include "skin/paint/acSmoothStretch.h"

#include "skin/base/acResample.h"

PixelImage StretchSmooth(const PixelBuffer& src, TRect rect, int width, int height) {
  PixelImage out;
  if (width <= 0 || height <= 0 || rect.IsEmpty() || rect.Intersect({0, 0, src.width, src.height}) != rect) return out;
  ResampleBitmap(src.sub(rect.Left, rect.Top, rect.Width(), rect.Height()), out, width, ResampleFilter::Mitchell, height);
  return out;
}
