#include "skin/data/acMaskRescale.h"

#include <algorithm>

#include "skin/data/acImageDecode.h"
#include "skin/data/acSkinData.h"
#include "skin/base/acSkinPixels.h"
#include "skin/base/acResample.h"

namespace {

constexpr uint32_t kWhiteMaskPixel = 0xFFFFFFFF;

template <typename Fn>
void ForEach(const PixelBuffer& b, Fn fn) {
  for (int y = 0; y < b.height; ++y)
    for (int x = 0; x < b.width; ++x) fn(b.at(x, y));
}

// Corner areas of the first state image: key colour there must not survive as picture or mask.
void ClearMaskedCorners(const TsMaskData& m, int fw, int h, const PixelBuffer& picture, const PixelBuffer& mask,
                        uint32_t replacement) {
  const TRect corners[] = {{0, 0, m.WL, m.WT},
                             {fw - m.WR, 0, fw, m.WT},
                             {0, h - m.WB, m.WL, h},
                             {fw - m.WR, h - m.WB, fw, h}};
  for (const TRect& c : corners) {
    const PixelBuffer p = picture.sub(c.Left, c.Top, c.Width(), c.Height());
    const PixelBuffer k = mask.sub(c.Left, c.Top, c.Width(), c.Height());
    for (int y = 0; y < std::min(p.height, k.height); ++y)
      for (int x = 0; x < std::min(p.width, k.width); ++x) {
        if (IsKeyPixel(p.at(x, y))) {
          k.at(x, y) = kWhiteMaskPixel;
          p.at(x, y) = replacement;
        }
        if (IsKeyPixel(k.at(x, y))) k.at(x, y) = kWhiteMaskPixel;
      }
  }
}

PixelImage Resampled(const PixelImage& src, int width, int height) {
  PixelImage out;
  ResampleBitmap(src.view(), out, width, ResampleFilter::Mitchell, height);
  return out;
}

}  // namespace

std::optional<PixelImage> RescaleMaskPicture(TsMaskData& m, const PixelBuffer& source, bool keepPixels,
                                             TColor mainColor) {
  const int mul = m.MulPPi, div = m.DivPPI;
  if (mul == div || div <= 0 || mul <= 0 || m.ImageCount <= 0) return std::nullopt;
  const int H = m.R.Height(), W = m.R.Width(), fw = W / m.ImageCount;
  const bool masked = m.MaskType > 0;
  const int h = masked ? H / 2 : H;
  if (m.WL + m.WR == 2 || m.WT + m.WB == 2 || h <= 2 || fw <= 2) return std::nullopt;
  const PixelBuffer area = source.sub(m.R.Left, m.R.Top, W, H);
  if (area.width != W || area.height != H) return std::nullopt;  // the rectangle leaves its picture

  const bool keepAlpha = keepPixels || (m.DrawMode & kDrawModeAlpha) != 0;
  const uint32_t replacement = ColorToPixel(mainColor, 0);
  PixelImage picture = CopyImage(area.sub(0, 0, W, h));
  const int newW = mul * fw / div * m.ImageCount;
  const int newH = masked ? (H / 2) * mul / div * 2 : H * mul / div;
  if (newW <= 0 || newH <= (masked ? 1 : 0) || !ImageSizeAllowed(newW, newH)) return std::nullopt;

  PixelImage result;
  if (masked) {
    PixelImage mask = CopyImage(area.sub(0, h, W, h));
    ClearMaskedCorners(m, fw, h, picture.view(), mask.view(), replacement);
    const PixelImage top = Resampled(picture, newW, newH / 2);
    const PixelImage bottom = Resampled(mask, newW, newH / 2);
    ForEach(top.view(), [](uint32_t& p) { if (PixelA(p) < 100) p = kTransparentKeyPixel; });
    result.resize(newW, newH);
    CopyInto(result.view(), 0, 0, top.view());
    CopyInto(result.view(), 0, newH / 2, bottom.view());
  } else {
    if (!keepAlpha) ForEach(picture.view(), [&](uint32_t& p) { if (IsKeyPixel(p)) p = replacement; });
    result = Resampled(picture, newW, newH);
    if (!keepAlpha)
      ForEach(result.view(), [](uint32_t& p) { p = PixelA(p) > 89 ? p | 0xFF000000u : kTransparentKeyPixel; });
  }

  m.R = {0, 0, newW, newH};
  m.Width = newW / m.ImageCount;
  m.Height = (m.DrawMode & kDrawModeAlpha) != 0 ? newH : newH / (m.MaskType + 1);
  m.WL = RoundScaled(m.WL, mul, div);
  m.WT = RoundScaled(m.WT, mul, div);
  m.WR = std::clamp(RoundScaled(m.WR, mul, div), 0, std::max(0, m.Width - m.WL - 1));
  m.WB = std::clamp(RoundScaled(m.WB, mul, div), 0, std::max(0, m.Height - m.WT - 1));
  return result;
}

bool HasKeyColorCorners(const TsMaskData& m, const PixelBuffer& picture) {
  const int images = std::max(1, m.ImageCount);
  const int w = m.R.Width() / images, h = m.R.Height() / (m.MaskType + 1);
  const auto hasKey = [&](int x, int y, int cw, int ch) {
    const PixelBuffer area = picture.sub(x, y, cw, ch);
    for (int yy = 0; yy < area.height; ++yy)
      for (int xx = 0; xx < area.width; ++xx)
        if (IsKeyPixel(area.at(xx, yy))) return true;
    return false;
  };
  for (int i = 0; i < images; ++i) {
    const int x = m.R.Left + i * w, y = m.R.Top;
    if (hasKey(x, y, m.WL, m.WT) || hasKey(x + w - m.WR, y, m.WR, m.WT) || hasKey(x, y + h - m.WB, m.WL, m.WB) ||
        hasKey(x + w - m.WR, y + h - m.WB, m.WR, m.WB))
      return true;
  }
  return false;
}
