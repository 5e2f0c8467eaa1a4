#include <gtest/gtest.h>

#include "skin/data/acColorAdjust.h"
#include "skin/base/acSkinPixels.h"
#include "tests/support/FixtureSkins.h"
#include "tests/support/ImageWriters.h"

namespace {

// A master bitmap with a key-colour pixel, a pure red area and a masked element whose
// lower half is its mask; a PNG glyph of its own; a section in pure red.
FixtureSkin ColourSkin(const std::string& extraGlobals) {
  PixelImage master(32, 16, MakePixel(200, 0, 0));
  master.at(0, 0) = 0xFFFF00FF;
  for (int y = 8; y < 16; ++y)
    for (int x = 16; x < 24; ++x) master.at(x, y) = MakePixel(90, 90, 90);
  PixelImage glyph(1, 1, MakePixel(200, 100, 50, 128));
  FixtureSkin skin{"[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\nCOLOR=13158600\n" + extraGlobals +
                       "BICONCLOSE=@0024@0000@0032@0008@1@0\n"
                       "[S]\nCOLOR=200\nFONTCOLOR=13158600\nTCLEFT=-1\nGRADIENTDATA=200;0;100;0;0;51200;0;0;0;0\n"
                       "BORDERSMASK=^0016^0000^0024^0016^0002^0002^0002^0002^1^1^1\nGLYPHMASK=!GLYPH.PNG!1!0!2\n",
                   {}};
  skin.Add("MASTER.PNG", EncodePng(master)).Add("GLYPH.PNG", EncodePng(glyph));
  return skin;
}

LoadedModel Recolored(int hue, int saturation, int brightness, const std::string& extraGlobals = "") {
  return LoadModel(ColourSkin(extraGlobals), 96, [&](TacSkinSettings& s) {
    s.HueOffset = hue;
    s.Saturation = saturation;
    s.Brightness = brightness;
  });
}

const TsGeneralData& S(const LoadedModel& m) { return m.Data->gd[1]; }
uint32_t GlyphPixel(const LoadedModel& m) { return m.Data->ma[static_cast<size_t>(m.Data->GetMaskIndex("S", "GLYPHMASK"))].Bmp->at(0, 0); }

}  // namespace

TEST(Recolor, NothingChangesWhileAllSettingsAreZero) {
  const FixtureSkin skin = ColourSkin("");
  const LoadedModel m = Recolored(0, 0, 0);
  EXPECT_EQ(*m.Skin->MasterBitmap(), *DecodeMasterBitmap(skin.Files[0].Bytes));
  EXPECT_EQ(S(m).Props[0].Color, 200u);
  EXPECT_EQ(S(m).Props[0].GradientArray[1].Color.Value(), 0xFF00C800u);
  EXPECT_EQ(GlyphPixel(m), MakePixel(100, 50, 25, 128));
}

TEST(Recolor, BrightnessMovesChannelsAndLeavesKeyColourMasksAndPaletteAlone) {
  const struct {
    int brightness;
    uint32_t channel;
  } cases[] = {{50, 239}, {-50, 161}, {100, 255}, {-100, 122}};
  const LoadedModel plain = Recolored(0, 0, 0);
  for (const auto& c : cases) {
    const LoadedModel m = Recolored(0, 0, c.brightness);
    EXPECT_EQ(S(m).Props[0].Color, c.channel) << c.brightness;
    EXPECT_EQ(S(m).Props[0].FontColor.Left, kNoColor);
    EXPECT_EQ(PixelR(m.Skin->MasterBitmap()->at(5, 5)), c.channel) << c.brightness;
    EXPECT_EQ(m.Skin->MasterBitmap()->at(0, 0), kTransparentKeyPixel);
    EXPECT_EQ(m.Skin->MasterBitmap()->at(20, 12), MakePixel(90, 90, 90));  // the mask half of a masked piece
    EXPECT_EQ(m.Skin->Palette(), plain.Skin->Palette());
  }
  // PNG elements are premultiplied after they were brightened.
  EXPECT_EQ(GlyphPixel(Recolored(0, 0, 50)), MakePixel(119, 59, 29, 128));
}

TEST(Recolor, SaturationAndHueChangeImagesSectionsAndMostOfThePalette) {
  const LoadedModel grey = Recolored(0, -100, 0);
  EXPECT_EQ(S(grey).Props[0].Color, 0x3B3B3Bu);  // Y = 60: ((0 - 60 * -255) >> 8) = 59 everywhere
  EXPECT_EQ(S(grey).Props[0].GradientArray[0].Color.Value(), 0xFF3B3B3Bu);
  EXPECT_EQ(grey.Skin->Palette()[pcMainColor], 0xC7C7C7u);
  EXPECT_EQ(grey.Skin->Palette()[pcWebTextHot], 0x0000FFu);  // the meaning colours keep theirs
  EXPECT_EQ(grey.Skin->Palette()[pcEditText_Alert], 0x00006Cu);

  const LoadedModel turned = Recolored(120, 0, 0);
  EXPECT_EQ(S(turned).Props[0].Color, 0x00C800u);                   // red turned green
  EXPECT_EQ(turned.Skin->MasterBitmap()->at(5, 5), MakePixel(0, 200, 0));
  EXPECT_EQ(turned.Skin->MasterBitmap()->at(0, 0), kTransparentKeyPixel);
  EXPECT_EQ(turned.Skin->Palette()[pcWebText], 0x0000FFu);           // blue turned red
  EXPECT_EQ(turned.Skin->Palette()[pcWebTextHot], 0x0000FFu);
  EXPECT_EQ(turned.Skin->MasterBitmap()->at(26, 2), MakePixel(0, 200, 0));
  // With BIKEEPHUE the close glyph keeps its colours.
  const LoadedModel kept = Recolored(120, 0, 0, "BIKEEPHUE=1\n");
  EXPECT_EQ(kept.Skin->MasterBitmap()->at(26, 2), MakePixel(200, 0, 0));
  EXPECT_EQ(kept.Skin->MasterBitmap()->at(5, 5), MakePixel(0, 200, 0));
}

TEST(Recolor, BrightnessFormulaOnSingleColours) {
  EXPECT_EQ(ChangeBrightness(0x80C86400, 50), 0x80EF7700u);  // alpha kept; 200 -> 239, 100 -> 119
  EXPECT_EQ(ChangeBrightness(0x00C86400, -50), 0x00A15100u);
  EXPECT_EQ(ChangeBrightness(0x00FFFFFF, 100), 0x00FFFFFFu);
}
