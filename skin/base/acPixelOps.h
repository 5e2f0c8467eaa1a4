#pragma once
// Small per-pixel facts shared by the painters: the key colour, channel access and the
// clipping of a copy against both pictures.
#include <algorithm>
#include <cstdint>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/base/acSkinPixels.h"  // IsKeyPixel, kKeyColor

// A colour property that is not set (a control's tone); for ApplyToPixels: skip nothing.
inline constexpr uint32_t kColorUnset = 0x1FFFFFFF;

// A colour argument that names the key colour, whatever its top byte: "no colour given".
constexpr bool IsKeyColor(uint32_t colorref) { return (colorref & 0xFFFFFF) == kKeyColor; }

constexpr int Clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

inline TRect BufferRect(const PixelBuffer& b) { return {0, 0, b.width, b.height}; }
inline bool SamePixels(const PixelBuffer& a, const PixelBuffer& b) {
  return a.pixels != nullptr && a.pixels == b.pixels;
}

// A copy of a dstRect-sized block from src at srcPos into dst, cut down so that both
// sides stay inside their pictures. Empty when nothing remains.
struct ClippedCopy {
  TRect dst;     // in dst coordinates
  TPoint src;    // top-left of the matching block in src
  bool empty() const { return dst.IsEmpty(); }
};
ClippedCopy ClipCopy(const PixelBuffer& dst, TRect dstRect, const PixelBuffer& src, TPoint srcPos);

// Per-channel formulas, shared by the whole-picture operations and the piece copies.

// Composes s over d by s's alpha sa: colour ((s - d)·sa + d·256) >> 8, alpha the larger
// of d's and ((sa - da)·sa + da·256) >> 8. Opaque over anything gives 254, by design.
inline uint32_t AlphaOverPixel(uint32_t d, uint32_t s, uint32_t sa) {
  const int a = static_cast<int>(sa);
  auto ch = [a](int dc, int sc) { return static_cast<uint32_t>(((sc - dc) * a + dc * 256) >> 8); };
  const int da = static_cast<int>(PixelA(d));
  const uint32_t outA = std::max<uint32_t>(static_cast<uint32_t>(da), ch(da, a));
  return (outA << 24) | (ch(PixelR(d), PixelR(s)) << 16) | (ch(PixelG(d), PixelG(s)) << 8) |
         ch(PixelB(d), PixelB(s));
}

// Blends image pixel i into target t through mask pixel m, channel by channel:
// ((t - i)·m + i·256) >> 8, alpha 255.
inline uint32_t MaskBlendPixel(uint32_t t, uint32_t i, uint32_t m) {
  auto ch = [](uint32_t tc, uint32_t ic, uint32_t mc) {
    return static_cast<uint32_t>(((static_cast<int>(tc) - static_cast<int>(ic)) * static_cast<int>(mc) +
                                  static_cast<int>(ic) * 256) >> 8);
  };
  return 0xFF000000u | (ch(PixelR(t), PixelR(i), PixelR(m)) << 16) |
         (ch(PixelG(t), PixelG(i), PixelG(m)) << 8) | ch(PixelB(t), PixelB(i), PixelB(m));
}

// Keep·(d - s) + s·256, shifted right by 8, on all four channels: Keep 255 keeps d,
// 0 gives s.
inline uint32_t KeepBlendPixel(uint32_t d, uint32_t s, int keep) {
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const int dc = static_cast<int>((d >> shift) & 0xFF), sc = static_cast<int>((s >> shift) & 0xFF);
    out |= static_cast<uint32_t>((keep * (dc - sc) + sc * 256) >> 8) << shift;
  }
  return out;
}
