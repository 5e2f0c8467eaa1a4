// System colours through the skin.
#include <gtest/gtest.h>

#include "skin/data/acSysColorMap.h"
#include "skin/base/acColorMix.h"
#include "tests/skin_manager/ManagerFixtures.h"

namespace {
const TacFixedSystemLook kLook;
}

TEST(SystemColors, WithoutASkinSystemColoursAreTheSystemsAndLargeOnesTheirLowBits) {
  EXPECT_EQ(MapSkinColor(clBtnFace, nullptr, kLook), kLook.SysColor(15));
  EXPECT_EQ(MapSkinColor(0xFF000064, nullptr, kLook), kLook.SysColor(0x64));
  EXPECT_EQ(MapSkinColor(0xFF000065, nullptr, kLook), 0x000065u);
  EXPECT_EQ(MapSkinColor(0x123456, nullptr, kLook), 0x123456u);
}

TEST(SystemColors, WithASkinTheyComeFromThePaletteAndTheTitleAndHintSections) {
  TacPalette p{};
  for (int i = 0; i < pcPaletteSize; ++i) p[i] = 0x010101u * static_cast<uint32_t>(i + 1);
  TsGeneralData title, hint;
  title.Props[0].Color = 0xA0;
  title.Props[1].Color = 0xA1;
  title.Props[0].FontColor.Color = 0xB0;
  title.Props[1].FontColor.Color = 0xB1;
  hint.Props[0].Color = 0xC0;
  hint.Props[0].FontColor.Color = 0xD0;
  const TacSkinColors withSections{p, &title, &hint};
  const TacSkinColors without{p};
  const struct {
    TColor color;
    TColor expected, expectedWithoutSections;
  } cases[] = {
      {clBtnFace, p[pcMainColor], p[pcMainColor]},
      {kMainColorConstant, p[pcMainColor], p[pcMainColor]},
      {clActiveCaption, 0xA1, p[pcMainColor]},
      {clGradientInactiveCaption, 0xA0, p[pcMainColor]},
      {clCaptionText, 0xB1, p[pcLabelText]},
      {clInactiveCaptionText, 0xB0, p[pcLabelText]},
      {clBtnText, p[pcLabelText], p[pcLabelText]},
      {clWindow, p[pcEditBG], p[pcEditBG]},
      {clWindowText, p[pcEditText], p[pcEditText]},
      {clInactiveBorder, p[pcBorder], p[pcBorder]},
      {clMenuHighlight, p[pcSelectionBG_Focused], p[pcSelectionBG_Focused]},
      {clHighlightText, p[pcSelectionText_Focused], p[pcSelectionText_Focused]},
      {clHotLight, p[pcWebTextHot], p[pcWebTextHot]},
      {cl3DDkShadow, MixColor(p[pcMainColor], 0, 180), MixColor(p[pcMainColor], 0, 180)},
      {clGrayText, MixColor(p[pcMainColor], p[pcLabelText], 127), MixColor(p[pcMainColor], p[pcLabelText], 127)},
      {cl3DLight, MixColor(p[pcMainColor], 0xFFFFFF, 180), MixColor(p[pcMainColor], 0xFFFFFF, 180)},
      {clInfoText, 0xD0, p[pcEditText]},
      {clInfoBk, 0xC0, p[pcEditBG]},
      {0xFF0098C6, p[54], p[54]},
      {0xFF003E0A, p[14], p[14]},
      {0xFFBAEFFF, p[46], p[46]},
      {0xFF000064, kLook.SysColor(0x64), kLook.SysColor(0x64)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MapSkinColor(c.color, &withSections, kLook), c.expected) << std::hex << c.color;
    EXPECT_EQ(MapSkinColor(c.color, &without, kLook), c.expectedWithoutSections) << std::hex << c.color;
  }
}

TEST(SystemColors, TheManagerMapsThroughItsActiveSkinOnly) {
  RecordingHost host;
  const auto m = ProgramManager(host);
  EXPECT_EQ(SkinColorToRGB(clBtnFace, m.get()), m->GetGlobalColor());
  EXPECT_EQ(SkinColorToRGB(clBtnFace, nullptr), m->GetGlobalColor());  // the default manager
  m->SetActive(false);
  EXPECT_EQ(SkinColorToRGB(clBtnFace, m.get()), host.SystemLook().SysColor(15));
}

// Every special constant names its palette entry; a neighbouring number is a plain
// system colour again.
TEST(SystemColors, EachSpecialConstantIsItsPaletteEntry) {
  TacPalette p{};
  for (int i = 0; i < pcPaletteSize; ++i) p[i] = 0x010101u * static_cast<uint32_t>(i + 1);
  const TacSkinColors skin{p};
  const std::pair<uint32_t, int> constants[] = {
      {0x00006C, 16}, {0x0000A2, 48}, {0x0000B4, 47}, {0x003E0A, 14}, {0x004C4C, 15}, {0x008E00, 50},
      {0x0098C6, 54}, {0x00A5D7, 53}, {0x28851A, 49}, {0x916000, 52}, {0xAE7400, 51}, {0xBAEFFF, 46},
      {0xBAFFFF, 20}, {0xBDBDFF, 40}, {0xC9FFD2, 19}, {0xCAF3FF, 45}, {0xCDFFB4, 42}, {0xD5D5FF, 39},
      {0xDBDBFF, 21}, {0xE1FFD2, 41}, {0xFFE9BE, 44}, {0xFFEDC9, 43},
  };
  for (const auto& [low, entry] : constants) {
    const TColor constant = 0xFF000000u | low;
    EXPECT_EQ(MapSkinColor(constant, &skin, kLook), p[entry]) << std::hex << constant;
    EXPECT_EQ(MapSkinColor(constant + 1, &skin, kLook), kLook.SysColor((constant + 1) & 0xFF)) << std::hex << constant;
  }
}
