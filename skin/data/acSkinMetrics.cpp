// Metrics of a skin data object: basic sizes, the global metrics and outer effects read
// from GLOBALINFO, and the extended-border metrics.
#include <algorithm>

#include "skin/data/acMaskNotation.h"
#include "skin/data/acOptionsFile.h"
#include "skin/data/acShapeGenerator.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSystemLook.h"
#include "skin/base/acResample.h"

namespace {
constexpr std::string_view kGlobalInfo = "GLOBALINFO";

std::optional<int32_t> ReadGlobal(const TacOptionsFile* ini, std::string_view key) {
  const std::string* v = ini ? ini->Value(kGlobalInfo, key) : nullptr;
  return v ? ParseSkinInt(*v) : std::nullopt;
}

std::string Suffixed(std::string_view key, int slot) { return std::string(key) + std::string(kSlotSuffix[slot]); }
}  // namespace

void TacSkinData::LoadParams() {
  Spacing = ScaleIntValue(4);
  LineWidth = ScaleIntValue(2);
  ArrowSize = ScaleIntValue(5);
  SmallArrowSize = ScaleIntValue(4);
  ScrollBtnLength = ScaleIntValue(16);
}

int TacSkinData::ReadScaledInt(std::string_view Key, int Default, int MaskIndex) const {
  const TacOptionsFile* ini = Options();
  if (MaskIndex >= 0 && MaskIndex < static_cast<int>(ma.size())) {
    const int slot = ScaleSlotOfPPI(ma[MaskIndex].DivPPI);
    if (const auto v = ReadGlobal(ini, Suffixed(Key, slot))) return *v * PPI / kSlotPPI[slot];
    return ReadGlobal(ini, Key).value_or(Default) * PPI / 96;
  }
  if (const auto v = ReadGlobal(ini, Suffixed(Key, std::min(ScaleValue, 3)))) {
    const int customPPI = FOwner ? FOwner->Settings().CustomPPI : 0;
    return customPPI > 0 && customPPI < 96 ? *v * customPPI / 96 : *v;
  }
  const int plain = ReadGlobal(ini, Key).value_or(Default);
  return ScaleValue == 0 ? plain : ScaleIntValue(plain);
}

// A scaled read whose absent key takes an already scaled value.
int TacSkinData::ReadScaledOr(std::string_view Key, int Fallback) const {
  const TacOptionsFile* ini = Options();
  const bool present = ReadGlobal(ini, Key) || ReadGlobal(ini, Suffixed(Key, std::min(ScaleValue, 3)));
  return present ? ReadScaledInt(Key, 0) : Fallback;
}

void TacSkinData::LoadGlobalMetrics() {
  const TacOptionsFile* ini = Options();
  const auto plain = [&](std::string_view key, int32_t def) { return ReadGlobal(ini, key).value_or(def); };
  ExDrawMode = plain("BORDERMODE", 0);
  ExShadowOffs = ReadScaledInt("ALIGNOFFSET", 0);
  ExShadowOffsR = ReadScaledOr("ALIGNOFFSETR", ExShadowOffs);
  ExShadowOffsT = ReadScaledOr("ALIGNOFFSETT", ExShadowOffs);
  ExShadowOffsB = ReadScaledOr("ALIGNOFFSETB", ExShadowOffs);
  WndShadowRadius = ReadScaledInt("WSHRAD", 17);
  WndShadowOffset = ReadScaledInt("WSHOFFS", 2);
  WndShadowSize = ReadScaledInt("WSHSIZE", 13);
  WndShadowColorN = static_cast<TColor>(plain("WSHCOLN", 0x44000000));
  WndShadowColorA = static_cast<TColor>(plain("WSHCOLA", static_cast<int32_t>(0x99000000u)));
  BISpacing = ReadScaledInt("BISPACE", 0);
  BIRightMargin = ReadScaledInt("BIRIGHT", 0);
  BILeftMargin = ReadScaledInt("BILEFT", 0);
  BITopMargin = ReadScaledInt("BITOP", 0);
  // Every glowing button has as many glow frames as the close button.
  const int frames = std::clamp(plain("BICONCLOSEGLOW", 0), 0, kMaxTitleGlowFrames);
  for (int u = 0; u < kGlowingTitleButtons; ++u) {
    GlowMargins[u] = ReadScaledInt(std::string(kTitleGlyphNames[u]) + "GLOWMARGIN", 0);
    TitleGlows[u].assign(static_cast<size_t>(frames), -1);
  }
  Shadow1Offset = ReadScaledInt("SHADOW1OFFSET", 0);
  Shadow1Blur = ReadScaledInt("SHADOW1BLUR", -1);
  Shadow1Transparency = plain("SHADOW1TRANSPARENCY", 0);
  ComboBoxMargin = plain("COMBOMARGIN", 2);
  if (ComboBoxMargin == 1 && PPI > 143) ComboBoxMargin = 2;
  SliderMargin = plain("SLIDERMARGIN", 1);
  LoadOuterEffect(1, "SH_");
  LoadOuterEffect(0, "LO_");
}

void TacSkinData::LoadOuterEffect(int Entry, std::string_view Prefix) {
  const TacOptionsFile* ini = Options();
  const auto plain = [&](std::string_view key, int32_t def) {
    return ReadGlobal(ini, std::string(Prefix) + std::string(key)).value_or(def);
  };
  const bool shadow = Entry == 1;
  TacOutEffData& e = oe[Entry];
  e = {};
  if (shadow) {
    e.ColorT = kKeyColor;
    e.ColorL = static_cast<TColor>(plain("COLORL", 0));
  } else {
    const auto color = [&](std::string_view key, TColor def) {
      return FOwner->SkinColorToRGB(static_cast<TColor>(plain(key, static_cast<int32_t>(def))));
    };
    e.ColorL = color("COLORL", 0xFFFFFF);
    e.ColorR = color("COLORR", 0xFFFFFF);
    e.ColorT = color("COLORT", 0);
    e.ColorB = color("COLORB", 0xFFFFFF);
  }
  e.WidthL = plain("WIDTHL", -1);
  e.WidthR = plain("WIDTHR", -1);
  e.WidthT = plain("WIDTHT", -1);
  e.WidthB = plain("WIDTHB", -1);
  e.OffsetL = ScaleInt(plain("OFFSETL", shadow ? 3 : 2));
  e.OffsetR = ScaleInt(plain("OFFSETR", shadow ? 3 : 2));
  e.OffsetT = ScaleInt(plain("OFFSETT", 2));
  e.OffsetB = ScaleInt(plain("OFFSETB", shadow ? 5 : 4));
  e.Radius = ScaleInt(plain("RADIUS_OE", 9));
  e.Blur = ScaleInt(plain("BLUR_OE", 5));
  e.Opacity = plain("OPACITY", shadow ? 60 : 200);
  e.Source = plain("SOURCE", 2);
  // Written widths follow the scaling setting; widths derived from a generated picture
  // are already in its pixels.
  for (int* w : {&e.WidthL, &e.WidthR, &e.WidthT, &e.WidthB})
    if (*w >= 0) *w = ScaleInt(*w);
  e.Mask = OuterEffectMask(e, Prefix);
}

// The picture of an outer effect: none, an element of GLOBALINFO, or a generated shape.
int TacSkinData::OuterEffectMask(TacOutEffData& e, std::string_view Prefix) {
  const std::string key = std::string(Prefix) + "MASK";
  const int globalInfo = Options()->SectionIndex(kGlobalInfo);
  if (e.Source == 0) return -1;
  if (e.Source != 1) {
    const TRect offsets{e.OffsetL, e.OffsetT, e.OffsetR, e.OffsetB};
    // A key-colour bottom makes the effect one colour; a key-colour top (the window
    // shadow's) stays as written.
    const bool oneColor = e.ColorB == kKeyColor;
    const std::array<TColor, 4> sides = oneColor ? std::array<TColor, 4>{e.ColorL, e.ColorL, e.ColorL, e.ColorL}
                                                 : std::array<TColor, 4>{e.ColorL, e.ColorT, e.ColorR, e.ColorB};
    // Generated, the picture belongs to no key.
    const int index = MakeGeneratedOuterMask(globalInfo, offsets, e.Radius, e.Blur, sides, "", "OuterCalc");
    if (index >= 0) {
      if (e.WidthL < 0) e.WidthL = ma[index].WL;
      if (e.WidthT < 0) e.WidthT = ma[index].WT;
      if (e.WidthR < 0) e.WidthR = ma[index].WR;
      if (e.WidthB < 0) e.WidthB = ma[index].WB;
    }
    return index;
  }
  const std::string* value = nullptr;
  if (ScaleValue > 0) value = Options()->Value(kGlobalInfo, Suffixed(key, std::min(ScaleValue, 3)));
  const bool plainForScaled = ScaleValue > 0 && (value == nullptr || IsAbsentValue(*value));
  if (value == nullptr || IsAbsentValue(*value)) value = Options()->Value(kGlobalInfo, key);
  if (value == nullptr || IsAbsentValue(*value)) return -1;

  const TacCanonicalMask c = ParseCanonicalMask(NormaliseMask(*value));
  const int index = AddMask(globalInfo, key, c.MaskType, c.DrawMode, c.ImageCount, c.R, TacImgType::itisaBorder, kGlobalInfo);
  TsMaskData& m = ma[index];
  m.WL = c.WL, m.WT = c.WT, m.WR = c.WR, m.WB = c.WB;
  m.FileName = c.FileName;
  m.DivPPI = m.MulPPi = PPI;  // prepared for this density below, not by the density rules
  if (!PrepareMaskImage(m, false)) {
    ma.pop_back();
    return -1;
  }
  if (plainForScaled) {  // a 96-PPI picture: follow the scaling setting
    const PixelBuffer piece = MaskSource(m).sub(m.R.Left, m.R.Top, m.R.Width(), m.R.Height());
    const TRect source = m.R;
    PixelImage scaled;
    ResampleBitmap(piece, scaled, std::max(1, ScaleInt(piece.width)), ResampleFilter::Box,
                   std::max(1, ScaleInt(piece.height)));
    m.WL = ScaleInt(m.WL), m.WT = ScaleInt(m.WT), m.WR = ScaleInt(m.WR), m.WB = ScaleInt(m.WB);
    AddCachedImage(m, std::move(scaled), m.FileName, source);
  }
  return index;
}

int TacSkinData::MakeGeneratedOuterMask(int SkinIndex, const TRect& Offsets, int Radius, int Blur,
                                        const std::array<TColor, 4>& SideColors, std::string_view PropertyName,
                                        std::string_view FileName) {
  const int l = std::max(0, Offsets.Left), t = std::max(0, Offsets.Top);
  const int r = std::max(0, Offsets.Right), b = std::max(0, Offsets.Bottom);
  const int width = l + r, height = t + b;
  if (width <= 0 || height <= 0) return -1;
  const std::string className =
      SkinIndex >= 0 && SkinIndex < static_cast<int>(gd.size()) ? gd[SkinIndex].ClassName : std::string(kGlobalInfo);
  const int index = AddMask(SkinIndex, PropertyName, 1, 1, 1, {0, 0, width, 2 * height}, TacImgType::itisaBorder, className);
  TsMaskData& m = ma[index];
  m.WL = l, m.WT = t, m.WR = r, m.WB = b;
  m.DivPPI = m.MulPPi = PPI;
  const std::string file = FileName.empty() ? "Outer" + std::to_string(index) : std::string(FileName);
  AddCachedImage(m, MakeOuterImage(width, height, Radius, Blur, SideColors), file, {});
  return index;
}

void TacSkinData::InitMaskParams() {
  const auto read = [&](std::string_view key, int def) { return ReadScaledInt(key, def, ExBorder); };
  ExBorderWidth = std::max(1, read("BORDERWIDTH", 4));
  ExContentOffs = read("FORMOFFSET", FOwner ? FOwner->SystemLook().SizingFrameWidth() : 4);
  ExTitleHeight = read("TITLEHEIGHT", 30);
  if (ExTitleHeight <= 0) ExTitleHeight = ScaleInt(30);
  ExMaxHeight = read("MAXHEIGHT", 0);
  if (ExMaxHeight <= 0) ExMaxHeight = ExTitleHeight;
  ExCenterOffs = read("CENTEROFFSET", 0);
}
