// Fixed indexes of the well-known sections and elements, and the links from sections to
// their elements, resolved once per load so that painting never searches by name.
#include <algorithm>

#include "skin/data/acSkinData.h"

namespace {
constexpr std::array<std::string_view, 4> kSideWords{"LEFT", "TOP", "RIGHT", "BOTTOM"};
constexpr std::array<std::string_view, 4> kTabLayoutWords{"FIRST", "LAST", "MIDDLE", ""};
constexpr std::array<std::string_view, 4> kScrollSections{"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
constexpr std::array<std::string_view, 4> kUpDownSections{"UPDOWNBTN_LEFT", "UPDOWNBTN_TOP", "UPDOWNBTNRIGHT",
                                                          "UPDOWNBTN_BOTTOM"};
}  // namespace

TacConstElementData TacSkinData::ConstElement(std::string_view Section) const {
  TacConstElementData e;
  e.SkinIndex = GetSkinIndex(Section);
  if (e.SkinIndex < 0) return e;
  e.MaskIndex = GetMaskIndex(e.SkinIndex, "BORDERSMASK");
  e.GlyphIndex = GetMaskIndex(e.SkinIndex, "GLYPHMASK");
  e.BGIndex = {GetTextureIndex(e.SkinIndex, "PATTERN"), GetTextureIndex(e.SkinIndex, "HOTPATTERN")};
  e.SkinSection = Section;
  return e;
}

void TacSkinData::InitConstantIndexes() {
  IndexGlobalInfo = GetSkinIndex("GLOBALINFO");
  for (int s = 0; s < ssSectionCount; ++s) Sections[s] = GetSkinIndex(kSectionNames[s]);
  // A missing later entry takes its fallback's index, and a copy of that section takes the
  // missing name so that lookups by name find it too.
  for (int s = kFirstSectionWithFallback; s < ssSectionCount; ++s) {
    const TacSection fallback = SectionFallback(static_cast<TacSection>(s));
    if (Sections[s] >= 0 || fallback == s || Sections[fallback] < 0) continue;
    Sections[s] = Sections[fallback];
    AddSection(kSectionNames[s], Sections[fallback], 0, 0, 0, 0);
  }

  const auto global = [&](std::string_view name) { return GetMaskIndex(IndexGlobalInfo, name); };
  CheckBox = {global("BOXUNCHECKED"), global("BOXCHECKED"), global("BOXGRAYED")};
  SmallCheckBox = {global("SMALLUNCHECKED"), global("SMALLCHECKED"), global("SMALLGRAYED")};
  RadioButton = {global("RADIOUNCHECKED"), global("RADIOCHECKED")};
  // The extended border must bring its own picture: the shadow templates are cut from it.
  ExBorder = global("EXBORDER");
  if (ExBorder >= 0 && ma[ExBorder].FileName.empty()) ExBorder = -1;
  GripRightBottom = global("GRIPIMAGE");
  GripHorizontal = global("GRIPHORZ");
  GripVertical = global("GRIPVERT");

  MenuItem = ConstElement(kSectionNames[ssMenuItem]);
  ComboBtn = ConstElement(kSectionNames[ssComboBtn]);
  ComboBtn.GlyphIndex = GetMaskIndex(kSectionNames[ssComboBox], "GLYPHMASK");
  for (int layout = 0; layout < 4; ++layout)
    for (int side = 0; side < 4; ++side)
      Tabs[layout][side] = ConstElement("TAB" + std::string(kSideWords[side]) + std::string(kTabLayoutWords[layout]));
  for (int vertical = 0; vertical < 2; ++vertical) {
    Sliders[vertical] = ConstElement(vertical ? "SCROLLSLIDERV" : "SCROLLSLIDERH");
    TacTrackBarData& t = TrackBar[vertical ? 0 : 1];
    t.SkinIndex = GetSkinIndex(kSectionNames[ssTrackBar]);
    t.MaskIndex = GetMaskIndex(t.SkinIndex, "BORDERSMASK");
    t.SliderIndex = vertical ? GetMaskIndex(t.SkinIndex, "SLIDERVMASK") : -1;
    if (t.SliderIndex < 0) t.SliderIndex = GetMaskIndex(t.SkinIndex, "SLIDERMASK");
    t.BGIndex = {GetTextureIndex(t.SkinIndex, "PATTERN"), GetTextureIndex(t.SkinIndex, "HOTPATTERN")};
    t.TickIndex = GetMaskIndex(t.SkinIndex, vertical ? "TICKVERT" : "TICKHORZ");
    t.ProgIndex = GetMaskIndex(t.SkinIndex, vertical ? "PROGVERT" : "PROGHORZ");
    t.ChannelIndex = GetMaskIndex(t.SkinIndex, "SLIDERCHANNEL");
  }
  for (int side = 0; side < 4; ++side) {
    ScrollBtns[side] = ConstElement("SCROLLBTN" + std::string(kSideWords[side]));
    Scrolls[side] = ConstElement(kScrollSections[side]);
    UpDownBtns[side] = ConstElement(kUpDownSections[side]);
    if (UpDownBtns[side].SkinIndex < 0) UpDownBtns[side] = ConstElement(kSectionNames[ssUpDown]);
    if (UpDownBtns[side].SkinIndex < 0) UpDownBtns[side] = ConstElement(kSectionNames[ssButton]);
  }
  InitTitleIndexes();
}

void TacSkinData::InitTitleIndexes() {
  for (size_t i = 0; i < kTitleGlyphNames.size(); ++i)
    TitleGlyphs[i] = kTitleGlyphNames[i].empty() ? -1 : GetMaskIndex(IndexGlobalInfo, kTitleGlyphNames[i]);
  if (TitleGlyphs[0] < 0) TitleGlyphs[0] = TitleGlyphs[1];
  // Small glyphs (entries 6..10) fall back on the big ones (entries 1..5).
  for (int small = 6; small <= 10; ++small)
    if (TitleGlyphs[small] < 0) TitleGlyphs[small] = TitleGlyphs[small - 5];
  for (int u = 0; u < kGlowingTitleButtons; ++u)
    for (size_t v = 0; v < TitleGlows[u].size(); ++v)
      TitleGlows[u][v] = GetMaskIndex(IndexGlobalInfo, std::string(kTitleGlyphNames[u]) + "GLOW" + std::to_string(v));
  if (TitleGlyphs[0] == TitleGlyphs[1]) {
    GlowMargins[0] = GlowMargins[1];
    TitleGlows[0] = TitleGlows[1];
  }
}

void TacSkinData::InitMaskIndexes() {
  const int sectionCount = static_cast<int>(gd.size());
  for (int i = 0; i < sectionCount; ++i) {
    if (gd[i].ClassName == "GLOBALINFO") continue;
    ResolveSectionMasks(i);
  }
  for (TsMaskData& m : ma) {
    // An element without a count of state images is one image with margins from its size.
    const bool counted = m.ImageCount > 0;
    m.Width = counted ? m.R.Width() / m.ImageCount : m.R.Width();
    m.Height = m.MaskType < 0 ? 0 : m.R.Height() / (m.MaskType + 1);
    if (counted) continue;
    if (m.WT <= 0) m.WT = (m.Height - 1) / ((m.MaskType + 1) * 2);
    if (m.WB <= 0) m.WB = (m.Height - 1) / ((m.MaskType + 1) * 2);
    if (m.WL <= 0) m.WL = (m.Width - 1) / 2;
    if (m.WR <= 0) m.WR = (m.Width - 1) / 2;
    m.ImageCount = 1;
  }
}

void TacSkinData::ResolveSectionMasks(int i) {
  if (gd[i].BorderIndex != kBorderSwitchedOff) gd[i].BorderIndex = GetMaskIndex(i, "BORDERSMASK");
  gd[i].ImgTL = GetMaskIndex(i, "IMGTOPLEFT");
  gd[i].ImgTR = GetMaskIndex(i, "IMGTOPRIGHT");
  gd[i].ImgBL = GetMaskIndex(i, "IMGBTMLEFT");
  gd[i].ImgBR = GetMaskIndex(i, "IMGBTMRIGHT");
  const int mode = gd[i].OuterMode;
  gd[i].OuterMask = mode >= 1 && mode <= 4 ? GetMaskIndex(i, "OUTERMASK") : -1;
  if ((mode == 3 || mode == 4) && gd[i].OuterMask < 0) {
    const TsGeneralData& g = gd[i];
    const std::array<TColor, 4> sides = mode == 3 ? std::array<TColor, 4>{g.OuterColorL, g.OuterColorL, g.OuterColorL, g.OuterColorL}
                                                  : std::array<TColor, 4>{g.OuterColorL, g.OuterColorT, g.OuterColorR, g.OuterColorB};
    const int outer = MakeGeneratedOuterMask(i, g.OuterOffset, g.OuterRadius, g.OuterBlur, sides, "OUTERMASK", "");
    gd[i].OuterMask = outer;
  }
  TsGeneralData& g = gd[i];
  g.Props[0].TextureIndex = GetTextureIndex(i, "PATTERN");
  if (g.States > 1) g.Props[1].TextureIndex = GetTextureIndex(i, "HOTPATTERN");
  g.Props[2].TextureIndex = g.States > 2 && g.UseState2 ? GetTextureIndex(i, "PATTERN2") : g.Props[1].TextureIndex;
  if (g.BorderIndex < 0) {
    g.ScrollBorderOffset = -2;
  } else {
    const TsMaskData& b = ma[g.BorderIndex];
    const bool edit = g.ClassName == kSectionNames[ssEdit] || g.ClassName == "ALPHAEDIT";
    g.ScrollBorderOffset = edit && b.WL == 1 && b.WT == 1 && b.WR == 1 && b.WB == 1 ? -1 : 0;
  }
}
