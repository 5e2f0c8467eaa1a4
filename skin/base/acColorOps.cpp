#include "skin/base/acColorOps.h"

#include <algorithm>
#include <cmath>

#include "skin/base/acPixelOps.h"

namespace {

// Channels of a COLORREF-style colour.
constexpr int Red(uint32_t c) { return static_cast<int>(c & 0xFF); }
constexpr int Green(uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int Blue(uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr uint32_t WithChannels(uint32_t c, int r, int g, int b) {
  return (c & 0xFF000000u) | static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) |
         (static_cast<uint32_t>(b) << 16);
}

int Luminance(int r, int g, int b) { return static_cast<int>(std::nearbyint(0.299 * r + 0.587 * g + 0.114 * b)); }

// Pixels keep red in bits 16..23; swapping red and blue turns a pixel into a colour and back.
constexpr uint32_t SwapRedBlue(uint32_t v) { return (v & 0xFF00FF00u) | ((v >> 16) & 0xFF) | ((v & 0xFF) << 16); }

}  // namespace

uint32_t ChangeSaturation(uint32_t color, int amount) {
  const int r = Red(color), g = Green(color), b = Blue(color);
  const int y = Luminance(r, g, b);
  // The intermediate can be negative: >> on int is an arithmetic shift (floor), then clamp.
  auto ch = [&](int c) { return Clamp255(((amount + 255) * c - y * amount) >> 8); };
  return WithChannels(color, ch(r), ch(g), ch(b));
}

uint32_t ShiftHue(uint32_t color, int degrees) {
  const int r = Red(color), g = Green(color), b = Blue(color);
  const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
  if (mx == mn) return color;
  const double v = mx, s = static_cast<double>(mx - mn) / mx, d = mx - mn;
  double h;
  if (mx == r) {
    h = 60.0 * (g - b) / d;
  } else if (mx == g) {
    h = 120.0 + 60.0 * (b - r) / d;
  } else {
    h = 240.0 + 60.0 * (r - g) / d;
  }
  h = std::fmod(h + degrees, 360.0);
  if (h < 0) h += 360.0;
  const double sector = h / 60.0;
  const int i = static_cast<int>(sector) % 6;
  const double f = sector - std::floor(sector);
  const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  double rr = v, gg = v, bb = v;
  switch (i) {
    case 0: rr = v; gg = t; bb = p; break;
    case 1: rr = q; gg = v; bb = p; break;
    case 2: rr = p; gg = v; bb = t; break;
    case 3: rr = p; gg = q; bb = v; break;
    case 4: rr = t; gg = p; bb = v; break;
    default: rr = v; gg = p; bb = q; break;
  }
  auto round = [](double x) { return Clamp255(static_cast<int>(std::nearbyint(x))); };
  return WithChannels(color, round(rr), round(gg), round(bb));
}

uint32_t ToneColor(uint32_t color, uint32_t tone) {
  const int m = std::max({Red(color), Green(color), Blue(color)});
  return WithChannels(color, (m * Red(tone)) >> 8, (m * Green(tone)) >> 8, (m * Blue(tone)) >> 8);
}

uint32_t GrayColor(uint32_t color) {
  const int y = Luminance(Red(color), Green(color), Blue(color));
  return WithChannels(color, y, y, y);
}

void ApplyToPixels(const PixelBuffer& bmp, TacPixelOp op, int32_t argument, uint32_t skipColor) {
  if (bmp.empty()) return;
  const bool skipNone = skipColor == kColorUnset;
  const uint32_t skipPixel = ColorToPixel(skipColor) & 0xFFFFFF;
  auto apply = [&](uint32_t color) -> uint32_t {
    switch (op) {
      case TacPixelOp::Saturation: return ChangeSaturation(color, argument);
      case TacPixelOp::Hue: return ShiftHue(color, argument);
      case TacPixelOp::Tone: return ToneColor(color, static_cast<uint32_t>(argument));
      case TacPixelOp::Gray: return GrayColor(color);
    }
    return color;
  };
  for (int y = 0; y < bmp.height; ++y) {
    uint32_t* p = bmp.row(y);
    for (int x = 0; x < bmp.width; ++x) {
      if (!skipNone && (p[x] & 0xFFFFFF) == skipPixel) continue;
      p[x] = SwapRedBlue(apply(SwapRedBlue(p[x])));
    }
  }
}
