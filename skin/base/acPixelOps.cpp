#include "skin/base/acPixelOps.h"

ClippedCopy ClipCopy(const PixelBuffer& dst, TRect dstRect, const PixelBuffer& src, TPoint srcPos) {
  if (dst.empty() || src.empty()) return {};
  // Shift the source rectangle into destination coordinates, cut both, shift back.
  const int dx = dstRect.Left - srcPos.X, dy = dstRect.Top - srcPos.Y;
  TRect r = dstRect.Intersect(BufferRect(dst)).Intersect(BufferRect(src).Offset(dx, dy));
  if (r.IsEmpty()) return {};
  return {r, {r.Left - dx, r.Top - dy}};
}
