#include "skin/data/acSkinRecolor.h"

#include <algorithm>
#include <functional>

#include "skin/data/acColorAdjust.h"
#include "skin/data/acOptionsFile.h"
#include "skin/base/acSkinPixels.h"
#include "skin/data/acSystemLook.h"
#include "skin/base/acColorOps.h"

namespace {

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
