// Every text colour of Slate against what it is written on: at least 4.5 : 1 (the WCAG AA
// level for normal text), so the Chinese captions stay readable.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "tests/support/SlateFixture.h"

namespace {

// Relative luminance of a COLORREF (red in the low byte), as WCAG 2 defines it.
double Luminance(TColor c) {
  const auto linear = [](uint32_t channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c & 0xFF) + 0.7152 * linear((c >> 8) & 0xFF) + 0.0722 * linear((c >> 16) & 0xFF);
}

double Contrast(TColor a, TColor b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string Hex(TColor c) {
  std::ostringstream s;
  s << "#" << std::hex << std::uppercase;
  for (int shift : {0, 8, 16}) s << ((c >> shift) & 0xFF) / 16 << ((c >> shift) & 0xFF) % 16;
  return s.str();
}

TEST(SlateContrast, TheRuleItselfKnowsBlackOnWhiteAndTheAccent) {
  EXPECT_NEAR(Contrast(0x000000, 0xFFFFFF), 21.0, 1e-9);
  EXPECT_NEAR(Contrast(0xFFFFFF, 0xFFFFFF), 1.0, 1e-9);
  EXPECT_NEAR(Contrast(0xFFFFFF, 0xD77800), 4.5, 0.05);  // white on #0078D7: the edge of the rule
}

class SlateText : public testing::Test {
 protected:
  static void SetUpTestSuite() { model_ = LoadSlate(96); }
  static void TearDownTestSuite() { model_ = {}; }
  const TacSkinData& Data() const { return *model_.Data; }
  const TacPalette& Palette() const { return model_.Skin->Palette(); }
  const TsGeneralData& Section(std::string_view name) const {
    const int index = Data().GetSkinIndex(name);
    if (index < 0) throw std::runtime_error("no section " + std::string(name));
    return Data().gd[static_cast<size_t>(index)];
  }

  // What a section's text lies on in a state: its own colour when it is opaque, the
  // middle of its face when its element paints one, else what lies behind it.
  std::vector<TColor> Backgrounds(const TsGeneralData& s, int state) const {
    const TsGenState& p = s.Props[static_cast<size_t>(state)];
    if (p.Transparency <= 50) return {p.Color};
    if (s.BorderIndex >= 0) {
      const TsMaskData& m = Data().ma[static_cast<size_t>(s.BorderIndex)];
      const bool drawn = (m.DrawMode & 0x04) != 0 && !(state == 0 && (m.DrawMode & 0x02) != 0);
      if (drawn) return {ElementPixel(Data(), m, std::min(state, m.ImageCount - 1), m.WL, m.WT, 0)};
    }
    const auto behind = kBehind.find(s.ClassName);
    if (behind == kBehind.end()) throw std::runtime_error(s.ClassName + " is see-through over something unknown");
    std::vector<TColor> out;
    for (std::string_view parent : behind->second)
      for (TColor c : Backgrounds(Section(parent), std::min(state, Section(parent).States - 1))) out.push_back(c);
    return out;
  }

  // The dialog's button band: the bottom row of its texture.
  TColor DialogBand() const {
    const TsMaskData& band = Data().ma[static_cast<size_t>(Section("DIALOG").Props[0].TextureIndex)];
    return ElementPixel(Data(), band, 0, 0, band.Height - 1, 0);
  }

  void ExpectReadable(TColor text, TColor background, const std::string& what) const {
    EXPECT_GE(Contrast(text, background), 4.5) << what << ": " << Hex(text) << " on " << Hex(background);
  }

  // Where the see-through sections of the program lie.
  static inline const std::map<std::string, std::vector<std::string_view>, std::less<>> kBehind{
      {"TRANSPARENT", {"DIALOG", "FORM"}}, {"CAPTION", {"FORMTITLE"}},    {"MENUITEM", {"MAINMENU"}},
      {"DIVIDERV", {"MAINMENU"}},          {"SPEEDBUTTON_SMALL", {"FORM"}}, {"TOOLBUTTON", {"FORM"}}};

 private:
  static inline SlateModel model_;
};

TEST_F(SlateText, EverySectionStatesTextIsReadable) {
  for (std::string_view name : kProgramSections) {
    if (name == "GLOBALINFO") continue;
    const TsGeneralData& s = Section(name);
    for (int state = 0; state < std::min(s.States, 3); ++state) {
      const TsFontColor& font = s.Props[static_cast<size_t>(state)].FontColor;
      for (TColor background : Backgrounds(s, state)) {
        const std::string what = std::string(name) + " state " + std::to_string(state);
        ExpectReadable(font.Color, background, what);
        for (TColor contour : {font.Left, font.Top, font.Right, font.Bottom})
          if (contour != kNoColor) ExpectReadable(font.Color, contour, what + " against its contour");
      }
    }
  }
}

TEST_F(SlateText, MessageBoxTextIsReadableOnTheButtonBand) {
  ExpectReadable(Section("TRANSPARENT").Props[0].FontColor.Color, DialogBand(), "message text on the band");
  ExpectReadable(Section("BUTTON").Props[0].FontColor.Color, DialogBand(), "button text on the band");
}

TEST_F(SlateText, PaletteTextIsReadableOnItsBackgrounds) {
  const TacPalette& p = Palette();
  const std::vector<std::tuple<TacPaletteColors, TacPaletteColors, const char*>> pairs{
      {pcLabelText, pcMainColor, "label"},
      {pcWebText, pcMainColor, "link"},
      {pcWebTextHot, pcMainColor, "link under the mouse"},
      {pcEditText, pcEditBG, "edit"},
      {pcEditText, pcEditBG_OddRow, "odd row"},
      {pcEditText, pcEditBG_EvenRow, "even row"},
      {pcEditText_Inverted, pcEditBG_Inverted, "inverted edit"},
      {pcSelectionText, pcSelectionBG, "selection"},
      {pcSelectionText_Focused, pcSelectionBG_Focused, "focused selection"},
      {pcEditText_Ok, pcEditBG_Ok, "ok"},
      {pcEditText_Warning, pcEditBG_Warning, "warning"},
      {pcEditText_Alert, pcEditBG_Alert, "alert"},
      {pcEditText_Caution, pcEditBG_Caution, "caution"},
      {pcEditText_Bypassed, pcEditBG_Bypassed, "bypassed"},
      {pcEditText_Highlight1, pcEditBG, "highlight 1"},
      {pcEditText_Highlight2, pcEditBG, "highlight 2"},
      {pcEditText_Highlight3, pcEditBG, "highlight 3"},
      {pcBtnFontNormal, pcBtnColor1Normal, "button"},
      {pcBtnFontNormal, pcBtnColor2Normal, "button"},
      {pcBtnFontActive, pcBtnColor1Active, "active button"},
      {pcBtnFontActive, pcBtnColor2Active, "active button"},
      {pcBtnFontPressed, pcBtnColor1Pressed, "pressed button"},
      {pcBtnFontPressed, pcBtnColor2Pressed, "pressed button"},
      {pcBtnRedText, pcBtnToneRed, "red tone"},
      {pcBtnRedTextActive, pcBtnToneRedActive, "red tone, active"},
      {pcBtnGreenText, pcBtnToneGreen, "green tone"},
      {pcBtnGreenTextActive, pcBtnToneGreenActive, "green tone, active"},
      {pcBtnBlueText, pcBtnToneBlue, "blue tone"},
      {pcBtnBlueTextActive, pcBtnToneBlueActive, "blue tone, active"},
      {pcBtnYellowText, pcBtnToneYellow, "yellow tone"},
      {pcBtnYellowTextActive, pcBtnToneYellowActive, "yellow tone, active"},
      {pcHintText, pcHintBG, "hint"},
  };
  for (const auto& [text, background, what] : pairs) ExpectReadable(p[text] & 0xFFFFFF, p[background] & 0xFFFFFF, what);
}

// Inactive titles are told apart by their greyer text and their background.
TEST_F(SlateText, ActiveAndInactiveTitlesDiffer) {
  const TsGeneralData& title = Section("FORMTITLE");
  EXPECT_GE(Contrast(title.Props[0].FontColor.Color, title.Props[1].FontColor.Color), 2.0);
  EXPECT_NE(title.Props[0].Color, title.Props[1].Color);
}

}  // namespace
