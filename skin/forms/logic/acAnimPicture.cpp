#include "skin/forms/logic/acAnimPicture.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "skin/forms/logic/acLayeredTarget.h"

int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

uint8_t RoundOpacity(double v) { return static_cast<uint8_t>(std::clamp(RoundHalfEven(v), 0, 255)); }

void StretchNearest(const PixelBuffer& dst, TRect to, const PixelBuffer& src) {
  if (dst.empty() || src.empty() || to.IsEmpty()) return;
  const TRect visible = to.Intersect({0, 0, dst.width, dst.height});
  if (visible.IsEmpty()) return;
  const int64_t w = to.Width(), h = to.Height();
  // Source column of every destination column, sampled at pixel centres.
  std::vector<int> column(static_cast<size_t>(visible.Width()));
  for (int x = visible.Left; x < visible.Right; ++x)
    column[static_cast<size_t>(x - visible.Left)] = static_cast<int>(((2 * (x - to.Left) + 1) * src.width) / (2 * w));
  for (int y = visible.Top; y < visible.Bottom; ++y) {
    const uint32_t* from = src.row(static_cast<int>(((2 * (y - to.Top) + 1) * src.height) / (2 * h)));
    uint32_t* out = dst.row(y) + visible.Left;
    for (size_t i = 0; i < column.size(); ++i) out[i] = from[column[i]];
  }
}

void ClearOutside(const PixelBuffer& dst, TRect keep) {
  keep = keep.Intersect({0, 0, dst.width, dst.height});
  if (keep.IsEmpty()) return dst.fill(0);
  dst.sub(0, 0, dst.width, keep.Top).fill(0);
  dst.sub(0, keep.Bottom, dst.width, dst.height - keep.Bottom).fill(0);
  dst.sub(0, keep.Top, keep.Left, keep.Height()).fill(0);
  dst.sub(keep.Right, keep.Top, dst.width - keep.Right, keep.Height()).fill(0);
}

void PremultiplyInto(const PixelBuffer& dst, const PixelBuffer& src) {
  const int w = std::min(dst.width, src.width), h = std::min(dst.height, src.height);
  for (int y = 0; y < h; ++y) {
    const uint32_t* in = src.row(y);
    uint32_t* out = dst.row(y);
    // Without a branch, so the loop vectorizes: (c·a + 127) / 255 as ((t + (t >> 8)) >> 8).
    for (int x = 0; x < w; ++x) {
      const uint32_t p = in[x], a = p >> 24;
      const uint32_t rb = (p & 0x00FF00FFu) * a + 0x00800080u;
      const uint32_t g = ((p >> 8) & 0xFFu) * a + 0x80u;
      const uint32_t rbOut = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
      const uint32_t gOut = ((g + (g >> 8)) >> 8) & 0xFFu;
      out[x] = (a << 24) | rbOut | (gOut << 8);
    }
  }
}

void CopyWhole(const PixelBuffer& dst, const PixelBuffer& src) {
  const int w = std::min(dst.width, src.width), h = std::min(dst.height, src.height);
  if (w <= 0) return;
  for (int y = 0; y < h; ++y) std::memcpy(dst.row(y), src.row(y), static_cast<size_t>(w) * sizeof(uint32_t));
}
