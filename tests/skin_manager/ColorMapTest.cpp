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
