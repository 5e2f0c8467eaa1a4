#include <gtest/gtest.h>

#include "skin/base/acColorMix.h"
#include "tests/support/FixtureSkins.h"

namespace {
constexpr TColor kOpaque = 0xFF000000;
TacPalette PaletteOf(const std::string& options) {
  return LoadModel(SmallSkin(options), 96).Skin->Palette();
}
}  // namespace

TEST(Palette, DefaultsOfASkinWithoutColours) {
  const TacPalette p = PaletteOf("[GLOBALINFO]\n");
  const TColor face = 0xF0F0F0;  // the fixed system look
  const struct {
    TacPaletteColors entry;
    TColor value;
  } cases[] = {
      {pcMainColor, face}, {pcLabelText, 0}, {pcWebText, 0xFF0000}, {pcWebTextHot, 0x0000FF},
      {pcEditText, 0}, {pcEditBG, 0xFFFFFF}, {pcSelectionBG, 0xD77800}, {pcSelectionText, 0xFFFFFF},
      {pcSelectionBG_Focused, 0xD77800}, {pcSelectionText_Focused, 0xFFFFFF}, {pcEditBG_Inverted, 0},
      {pcEditText_Inverted, 0xFFFFFF}, {pcEditBG_OddRow, 0xFFFFFF}, {pcEditBG_EvenRow, MixColor(0, 0xFFFFFF, 13)},
      {pcEditText_Ok, 0x404000}, {pcEditText_Warning, 0x004C4C}, {pcEditText_Alert, 0x00006C},
      {pcEditText_Caution, 0x00006C}, {pcEditText_Bypassed, 0x00006C}, {pcEditBG_Ok, 0xC9FFD2},
      {pcEditBG_Warning, 0xBAFFFF}, {pcEditBG_Alert, 0xDBDBFF}, {pcEditBG_Caution, 0xDBDBFF},
      {pcEditBG_Bypassed, 0xDBDBFF}, {pcEditText_Highlight1, 0}, {pcEditText_Highlight3, 0},
      {pcBtnColor1Active, MixColor(face, 0xFFFFFF, 177) | kOpaque}, {pcBtnColor2Active, face | kOpaque},
      {pcBtnBorderActive, 0}, {pcBtnFontActive, 0}, {pcBtnColor1Normal, face | kOpaque},
      {pcBtnColor2Normal, MixColor(face, 0, 244) | kOpaque}, {pcBtnColor1Pressed, MixColor(face, 0, 233) | kOpaque},
      {pcBtnColor2Pressed, MixColor(face, 0, 233) | kOpaque}, {pcBtnToneRed, 0xD5D5FF}, {pcBtnToneRedActive, 0xD5D5FF},
      {pcBtnToneGreenActive, 0xE1FFD2}, {pcBtnToneBlueActive, 0xFFEDC9}, {pcBtnToneYellowActive, 0xCAF3FF},
      {pcBtnRedTextActive, 0x0000B4}, {pcBtnGreenTextActive, 0x28851A}, {pcBtnBlueTextActive, 0xAE7400},
      {pcBtnYellowTextActive, 0x00A5D7}, {pcBorder, 0}, {pcGrid, MixColor(0, 0xFFFFFF, 30)},
      {pcHintBG, 0xE1FFFF}, {pcHintText, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(p[c.entry], c.value) << "entry " << c.entry;
}

TEST(Palette, KeysAndSectionsOverrideAndLaterDefaultsFollowThem) {
  const TacPalette p = PaletteOf(
      "[GLOBALINFO]\nCOLOR=1193046\nBORDERCOLOR=255\nEDITTEXT_ALERT=1\nEDITBG_ALERT=2\nBTNCOLOR1ACTIVE=$80112233\n"
      "BTNCOLOR2NORMAL=-1118482\nCOLORTONEBLUETEXTActive=7\nCOLORTONEYELLOWTEXTACTIVE=9\nGRIDLINE=-1\nEDITBG_EVEN=3\n"
      "[EDIT]\nCOLOR=4\nFONTCOLOR=5\n[HINT]\nCOLOR=6\nFONTCOLOR=7\n");
  const struct {
    TacPaletteColors entry;
    TColor value;
  } cases[] = {
      {pcMainColor, 0x123456}, {pcBtnBorderActive, 255}, {pcBtnBorderNormal, 255}, {pcBtnBorderPressed, 255},
      {pcEditText_Alert, 1}, {pcEditText_Caution, 1}, {pcEditText_Bypassed, 1}, {pcEditBG_Alert, 2},
      {pcEditBG_Caution, 2}, {pcEditBG_Bypassed, 2}, {pcBtnColor1Active, 0x80112233}, {pcBtnColor2Normal, 0xFFEEEEEE},
      {pcBtnBlueTextActive, 7}, {pcBtnYellowTextActive, 0x00A5D7},  // keys are case-sensitive
      {pcEditText, 5}, {pcEditBG, 4}, {pcEditBG_Inverted, 5}, {pcEditText_Inverted, 4}, {pcEditBG_OddRow, 4},
      {pcEditBG_EvenRow, 3}, {pcGrid, MixColor(5, 4, 30)}, {pcHintBG, 6}, {pcHintText, 7},
      {pcBtnColor2Active, 0xFF123456},
  };
  for (const auto& c : cases) EXPECT_EQ(p[c.entry], c.value) << "entry " << c.entry;
}

TEST(Palette, SelectionColoursComeFromSelectionThenMenuItemThenTheSystem) {
  const struct {
    const char* sections;
    TColor bg, text, bgFocused, textFocused;
  } cases[] = {
      {"[SELECTION]\nSTATES=2\nCOLOR=10\nFONTCOLOR=11\nHOTCOLOR=12\nHOTFONTCOLOR=13\n", 10, 11, 12, 13},
      {"[SELECTION]\nSTATES=1\nCOLOR=10\nFONTCOLOR=11\nHOTCOLOR=12\nHOTFONTCOLOR=13\n", 10, 11, 10, 11},
      {"[SELECTION]\nFONTCOLOR=16711935\n[MENUITEM]\nHOTCOLOR=20\nHOTFONTCOLOR=21\n", 20, 21, 20, 21},
      {"[MENUITEM]\nHOTCOLOR=20\nHOTFONTCOLOR=16711935\n", 20, 0xFFFFFF, 20, 0xFFFFFF},
      {"", 0xD77800, 0xFFFFFF, 0xD77800, 0xFFFFFF},
  };
  for (const auto& c : cases) {
    const TacPalette p = PaletteOf(std::string("[GLOBALINFO]\n") + c.sections);
    EXPECT_EQ((std::array{p[pcSelectionBG], p[pcSelectionText], p[pcSelectionBG_Focused], p[pcSelectionText_Focused]}),
              (std::array{c.bg, c.text, c.bgFocused, c.textFocused}))
        << c.sections;
  }
}
