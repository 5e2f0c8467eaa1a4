// Skins drawn with palette bitmaps load like any other: an 8-bit master bitmap is the
// skin's master bitmap (key colour transparent) and an 8-bit element file is an element.
#include <gtest/gtest.h>

#include "tests/support/FixtureSkins.h"
#include "tests/support/ImageWriters.h"

namespace {
constexpr uint32_t kKeyPixel = 0xFFFF00FF;
}  // namespace

TEST(PaletteBitmapSkin, EightBitMasterBitmapAndElementFileAreLoaded) {
  PixelImage master = PatternPicture(64, 64);
  master.at(0, 0) = kKeyPixel;
  const PixelImage tile = PatternPicture(16, 8);
  FixtureSkin skin{"[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"
                   "[PANEL]\nBORDERSMASK=^0000^0000^0012^0012^0002^0002^0002^0002^1^0^1\n"
                   "PATTERN=!TILE.BMP!1!0!1\n",
                   {}};
  skin.Add("MASTER.BMP", EncodeBmp(master, BmpKind::Indexed8)).Add("TILE.BMP", EncodeBmp(tile, BmpKind::Indexed8));

  const LoadedModel m = LoadModel(skin, 96);

  const PixelImage* loadedMaster = m.Skin->MasterBitmap();
  ASSERT_NE(loadedMaster, nullptr);
  PixelImage expectedMaster = master;
  expectedMaster.at(0, 0) = kKeyPixel & 0xFFFFFF;
  EXPECT_EQ(*loadedMaster, expectedMaster);
  EXPECT_GE(m.Data->GetMaskIndex("PANEL", "BORDERSMASK"), 0);
  const int pattern = m.Data->GetMaskIndex("PANEL", "PATTERN");
  ASSERT_GE(pattern, 0);
  const TsMaskData& element = m.Data->ma[static_cast<size_t>(pattern)];
  ASSERT_NE(element.Bmp, nullptr);
  EXPECT_EQ(*element.Bmp, tile);
}
