#include "skin/base/acSkinPixels.h"

#include <algorithm>

namespace {
template <typename Fn>
void ForEachPixel(const PixelBuffer& image, Fn fn) {
  for (int y = 0; y < image.height; ++y) {
    uint32_t* row = image.row(y);
    for (int x = 0; x < image.width; ++x) row[x] = fn(row[x]);
  }
}
}  // namespace

void KeyColorToAlpha(const PixelBuffer& image) {
  ForEachPixel(image, [](uint32_t p) { return IsKeyPixel(p) ? kTransparentKeyPixel : p | 0xFF000000u; });
}

void ClearOpaqueKeyAlpha(const PixelBuffer& image) {
  ForEachPixel(image, [](uint32_t p) { return p == 0xFFFF00FFu ? kTransparentKeyPixel : p; });
}

void PremultiplyElement(const PixelBuffer& image, bool compositionEnabled) {
  ForEachPixel(image, [compositionEnabled](uint32_t p) -> uint32_t {
    if (p == 0x00FFFFFFu) return 0;
    const uint32_t a = PixelA(p), r = PixelR(p), g = PixelG(p), b = PixelB(p);
    if (!compositionEnabled && r >= 245 && g >= 245 && b >= 245) return MakePixel(244, 244, 244, a);
    return MakePixel(r * a >> 8, g * a >> 8, b * a >> 8, a);
  });
}

PixelImage CopyImage(const PixelBuffer& source) {
  PixelImage copy(source.width, source.height);
  CopyInto(copy.view(), 0, 0, source);
  return copy;
}

void CopyInto(const PixelBuffer& target, int x, int y, const PixelBuffer& source) {
  const PixelBuffer dst = target.sub(x, y, source.width, source.height);
  const int sx = std::max(0, -x), sy = std::max(0, -y);
  for (int row = 0; row < dst.height; ++row) std::copy_n(source.row(row + sy) + sx, dst.width, dst.row(row));
}
