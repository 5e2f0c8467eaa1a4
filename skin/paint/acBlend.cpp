#include "skin/paint/acBlend.h"

#include <algorithm>
#include <cstring>

#include "skin/base/acPixelOps.h"

void BlendColorOver(const PixelBuffer& bmp, TRect r, int keep, uint32_t color) {
  r = r.Intersect(BufferRect(bmp));
  if (r.IsEmpty()) return;
  keep = std::clamp(keep, 0, 255);
  const uint32_t c = ColorToPixel(color);
  // The colour's share is the same for every pixel.
  const int addR = static_cast<int>(PixelR(c)) * (255 - keep), addG = static_cast<int>(PixelG(c)) * (255 - keep),
            addB = static_cast<int>(PixelB(c)) * (255 - keep);
  for (int y = r.Top; y < r.Bottom; ++y) {
    uint32_t* p = bmp.row(y);
    for (int x = r.Left; x < r.Right; ++x) {
      const uint32_t v = p[x];
      p[x] = (v & 0xFF000000u) | (static_cast<uint32_t>((static_cast<int>(PixelR(v)) * keep + addR) >> 8) << 16) |
             (static_cast<uint32_t>((static_cast<int>(PixelG(v)) * keep + addG) >> 8) << 8) |
             static_cast<uint32_t>((static_cast<int>(PixelB(v)) * keep + addB) >> 8);
    }
  }
}

void BlendBitmaps(const PixelBuffer& dst, const PixelBuffer& src, int keep, TPoint srcPoint, TRect r) {
  const ClippedCopy c = ClipCopy(dst, r, src, srcPoint);
  if (c.empty()) return;
  keep = std::clamp(keep, 0, 255);
  for (int y = c.dst.Top; y < c.dst.Bottom; ++y) {
    uint32_t* d = dst.row(y) + c.dst.Left;
    const uint32_t* s = src.row(c.src.Y + y - c.dst.Top) + c.src.X;
    for (int x = 0; x < c.dst.Width(); ++x) d[x] = KeepBlendPixel(d[x], s[x], keep);
  }
}

void AlphaCopy(const PixelBuffer& dst, const PixelBuffer& src, TRect srcRect, int opacity, TPoint dstPoint) {
  // Cut the source rectangle to the source first, then the block to both pictures.
  const TRect s = srcRect.Intersect(BufferRect(src));
  if (s.IsEmpty()) return;
  const TRect dstRect = TRect::FromSize(dstPoint.X + s.Left - srcRect.Left, dstPoint.Y + s.Top - srcRect.Top,
                                        s.Width(), s.Height());
  const ClippedCopy c = ClipCopy(dst, dstRect, src, {s.Left, s.Top});
  if (c.empty()) return;
  opacity = std::clamp(opacity, 0, 255);
  for (int y = c.dst.Top; y < c.dst.Bottom; ++y) {
    uint32_t* d = dst.row(y) + c.dst.Left;
    const uint32_t* sp = src.row(c.src.Y + y - c.dst.Top) + c.src.X;
    for (int x = 0; x < c.dst.Width(); ++x) {
      uint32_t sa = PixelA(sp[x]);
      if (opacity < 255) sa = sa * static_cast<uint32_t>(opacity) / 255;
      d[x] = AlphaOverPixel(d[x], sp[x], sa);
    }
  }
}

void FillBitmapRect(const PixelBuffer& bmp, TRect r, uint32_t color, uint32_t alpha) {
  r = r.Intersect(BufferRect(bmp));
  if (r.IsEmpty()) return;
  const uint32_t p = ColorToPixel(color, alpha & 0xFF);
  for (int y = r.Top; y < r.Bottom; ++y) std::fill_n(bmp.row(y) + r.Left, r.Width(), p);
}

void CopyBitmapRect(const PixelBuffer& dst, TRect r, const PixelBuffer& src, TPoint srcPoint) {
  const ClippedCopy c = ClipCopy(dst, r, src, srcPoint);
  if (c.empty()) return;
  if (SamePixels(dst, src) && c.dst.Left == c.src.X && c.dst.Top == c.src.Y) return;
  // Rows of the same picture may overlap: walk away from the overlap.
  const bool upwards = SamePixels(dst, src) && c.src.Y < c.dst.Top;
  for (int i = 0; i < c.dst.Height(); ++i) {
    const int row = upwards ? c.dst.Height() - 1 - i : i;
    std::memmove(dst.row(c.dst.Top + row) + c.dst.Left, src.row(c.src.Y + row) + c.src.X,
                 sizeof(uint32_t) * static_cast<size_t>(c.dst.Width()));
  }
}
