#include "skin/paint/acTextGlow.h"

#include <algorithm>
#include <vector>

#include "skin/base/acPixelOps.h"

namespace {

// One box-blur pass along rows (step 1) or columns (step = width) of a w x h plane.
void BoxBlur(std::vector<int>& v, int w, int h, int radius, bool rows) {
  std::vector<int> out(v.size());
  const int lines = rows ? h : w, length = rows ? w : h;
  const int step = rows ? 1 : w, lineStep = rows ? w : 1;
  const int window = 2 * radius + 1;
  for (int line = 0; line < lines; ++line) {
    const int base = line * lineStep;
    int sum = 0;
    auto at = [&](int i) { return i < 0 || i >= length ? 0 : v[base + i * step]; };
    for (int i = -radius; i <= radius; ++i) sum += at(i);
    for (int i = 0; i < length; ++i) {
      out[base + i * step] = sum / window;
      sum += at(i + radius + 1) - at(i - radius);
    }
  }
  v.swap(out);
}

}  // namespace

void DrawTextGlow(const TacTextCanvas& canvas, std::u16string_view text, const TacFont& font, TRect r,
                  uint32_t format, int size, uint32_t color) {
  const TRect area = r.Intersect(BufferRect(canvas.Bmp));
  if (area.IsEmpty() || size <= 0 || text.empty() || !canvas.Painter) return;
  // Where the letters are: white text on black, drawn where the real text will go.
  const int w = area.Width(), h = area.Height();
  PixelImage letters(w, h, 0);
  canvas.Painter->Draw(letters.view(), text, font, r.Offset(-area.Left, -area.Top), 0xFFFFFF, format & ~tfNoClip);
  std::vector<int> cover(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t p = letters.at(x, y);
      cover[static_cast<size_t>(y) * w + x] = static_cast<int>(std::max({PixelR(p), PixelG(p), PixelB(p)}));
    }
  // Two box blurs make a soft falloff; the halo is made stronger near the letters.
  const int radius = std::max(size / 2, 1);
  for (int pass = 0; pass < 2; ++pass) {
    BoxBlur(cover, w, h, radius, true);
    BoxBlur(cover, w, h, radius, false);
  }
  const uint32_t glow = ColorToPixel(color);
  for (int y = 0; y < h; ++y) {
    uint32_t* row = canvas.Bmp.row(area.Top + y) + area.Left;
    for (int x = 0; x < w; ++x) {
      const int a = std::min(255, cover[static_cast<size_t>(y) * w + x] * 3);
      if (a > 0) row[x] = AlphaOverPixel(row[x], glow, static_cast<uint32_t>(a));
    }
  }
}
