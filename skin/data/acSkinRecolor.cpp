#include "skin/data/acSkinRecolor.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "skin/data/acColorAdjust.h"
#include "skin/data/acOptionsFile.h"
#include "skin/data/acSkinPixels.h"
#include "skin/data/acSystemLook.h"

namespace {

// TEMPORARY, until the painters' colour operations (skin/paint/acColorOps.h) are committed:
// the same formulas, kept private to this file.
int Channel(uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }
uint32_t WithChannels(uint32_t from, int r, int g, int b) {
  return (from & 0xFF000000u) | static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b) << 16;
}
int RoundChannel(double v) { return std::clamp(static_cast<int>(std::lrint(v)), 0, 255); }

uint32_t ShiftHue(uint32_t color, int degrees) {
  const int r = Channel(color, 0), g = Channel(color, 8), b = Channel(color, 16);
  const int max = std::max({r, g, b}), min = std::min({r, g, b});
  const double delta = max - min;
  if (delta == 0) return color;
  double hue = max == r ? 60.0 * std::fmod((g - b) / delta + 6.0, 6.0)
             : max == g ? 60.0 * ((b - r) / delta + 2.0)
                        : 60.0 * ((r - g) / delta + 4.0);
  hue = std::fmod(hue + degrees, 360.0);
  if (hue < 0) hue += 360.0;
  const double x = delta * (1.0 - std::abs(std::fmod(hue / 60.0, 2.0) - 1.0));
  double rgb[3] = {0, 0, 0};
  static constexpr int kMajor[6] = {0, 1, 1, 2, 2, 0}, kMinor[6] = {1, 0, 2, 1, 0, 2};
  const int sector = static_cast<int>(hue / 60.0) % 6;
  rgb[kMajor[sector]] = delta;
  rgb[kMinor[sector]] = x;
  return WithChannels(color, RoundChannel(rgb[0] + min), RoundChannel(rgb[1] + min), RoundChannel(rgb[2] + min));
}

uint32_t ChangeSaturation(uint32_t color, int amount) {
  const int r = Channel(color, 0), g = Channel(color, 8), b = Channel(color, 16);
  const int y = static_cast<int>(std::lrint(0.299 * r + 0.587 * g + 0.114 * b));
  const auto adjust = [&](int ch) { return std::clamp(((amount + 255) * ch - y * amount) >> 8, 0, 255); };
  return WithChannels(color, adjust(r), adjust(g), adjust(b));
}

using ColorOp = std::function<TColor(TColor)>;

// Palette entries that follow hue and saturation; the others keep their meaning colours.
bool PaletteEntryRecolored(int e) {
  return e <= pcWebText || (e >= pcEditText && e <= pcEditBG_EvenRow) ||
         (e >= pcBtnColor1Active && e <= pcBtnFontPressed) || e >= pcBorder;
}

void AdjustSectionColors(std::vector<TsGeneralData>& gd, const ColorOp& op) {
  const auto adjust = [&](TColor& c) {
    if (c != kNoColor && c != kKeyColor) c = op(c);
  };
  for (TsGeneralData& g : gd)
    for (TsGenState& s : g.Props) {
      for (TColor* c : {&s.Color, &s.GlowColor, &s.FontColor.Color, &s.FontColor.Left, &s.FontColor.Top,
                        &s.FontColor.Right, &s.FontColor.Bottom})
        adjust(*c);
      for (TsGradPoint& p : s.GradientArray) {
        TColor c = p.Color.Value();
        adjust(c);
        p.Color = TsColor::FromValue(c);
      }
    }
}

// Pieces of the master bitmap that keep their pixels through one adjustment.
class KeptPieces {
 public:
  void Keep(const PixelBuffer& master, const TRect& r) {
    const PixelBuffer piece = master.sub(r.Left, r.Top, r.Width(), r.Height());
    if (!piece.empty()) pieces_.push_back({r, CopyImage(piece)});
  }
  void Restore(const PixelBuffer& master) const {
    for (const auto& [r, pixels] : pieces_) CopyInto(master, r.Left, r.Top, pixels.view());
  }

 private:
  std::vector<std::pair<TRect, PixelImage>> pieces_;
};

// Title glyphs of the master bitmap that keep their hue, by the skin's "BIKEEPHUE".
KeptPieces TitleGlyphsKeepingHue(const TacSkinData& data, const PixelBuffer& master) {
  KeptPieces kept;
  const int keepHue = data.Options() ? data.Options()->ReadInteger("GLOBALINFO", "BIKEEPHUE", 0) : 0;
  if (keepHue < 1) return kept;
  for (size_t g = 0; g < data.TitleGlyphs.size(); ++g) {
    const bool closeGlyph = g == 0 || g == 1 || g == 6;
    const bool otherGlyph = (g >= 2 && g <= 5) || (g >= 7 && g <= 10);
    const int m = data.TitleGlyphs[g];
    if ((closeGlyph || (keepHue == 1 && otherGlyph)) && m >= 0 && data.ma[m].Bmp == nullptr) kept.Keep(master, data.ma[m].R);
  }
  return kept;
}

void HueOrSaturation(TacSkinData& data, PixelImage* master, TacPalette& palette, TColor* shadow1Color,
                     const ColorOp& op) {
  if (master != nullptr) {
    const KeptPieces kept = TitleGlyphsKeepingHue(data, master->view());
    AdjustPixels(master->view(), op);
    kept.Restore(master->view());
  }
  for (TacBmpData& entry : data.BmpArray) AdjustPixels(entry.Bmp->view(), op);
  AdjustSectionColors(data.gd, op);
  if (shadow1Color != nullptr) *shadow1Color = op(*shadow1Color);
  for (int e = 0; e < pcPaletteSize; ++e)
    if (PaletteEntryRecolored(e) && palette[e] != kNoColor) palette[e] = op(palette[e]);
}

void Brighten(TacSkinData& data, PixelImage* master, int brightness) {
  const ColorOp op = [brightness](TColor c) { return ChangeBrightness(c, brightness); };
  if (master != nullptr) {
    KeptPieces maskHalves;  // the masks of masked pieces are not pictures
    for (const TsMaskData& m : data.ma)
      if (m.Bmp == nullptr && m.MaskType > 0)
        maskHalves.Keep(master->view(), {m.R.Left, m.R.Top + m.R.Height() / 2, m.R.Right, m.R.Bottom});
    AdjustPixels(master->view(), op);
    maskHalves.Restore(master->view());
  }
  const bool composition = data.FOwner == nullptr || data.FOwner->SystemLook().CompositionEnabled();
  for (TacBmpData& entry : data.BmpArray) {
    const PixelBuffer all = entry.Bmp->view();
    AdjustPixels(entry.MaskType > 0 ? all.sub(0, 0, all.width, all.height / 2) : all, op);
    if (entry.PremultiplyAfterBrightening) {
      PremultiplyElement(all, composition);
      entry.PremultiplyAfterBrightening = false;
    }
  }
  AdjustSectionColors(data.gd, op);
}

}  // namespace

void RecolorSkin(TacSkinData& data, PixelImage* master, TacPalette& palette, TColor* shadow1Color) {
  if (data.FOwner == nullptr) return;
  const TacSkinSettings& s = data.FOwner->Settings();
  if (s.HueOffset != 0)
    HueOrSaturation(data, master, palette, shadow1Color, [&](TColor c) { return ShiftHue(c, s.HueOffset); });
  if (s.Saturation != 0) {
    const int amount = std::clamp(s.Saturation * 255 / 100, -255, 255);
    HueOrSaturation(data, master, palette, shadow1Color, [amount](TColor c) { return ChangeSaturation(c, amount); });
  }
  if (s.Brightness != 0) Brighten(data, master, std::clamp(s.Brightness, -100, 100));
}
