// The popup picture: background, border from the mask, and the corner cut-outs that
// become the window's region.
#include <gtest/gtest.h>

#include "skin/data/acSkinData.h"
#include "skin/forms/logic/acMenuPicture.h"
#include "tests/popup_menus/MenuFixture.h"

namespace {

uint32_t Rgb(const PixelImage& p, int x, int y) { return PixelToColor(p.at(x, y)); }

TacMenuPictureSpec Spec(TSize size) {
  TacMenuPictureSpec spec;
  spec.Size = size;
  return spec;
}

TEST(MenuPicture, BorderComesFromTheMaskAndKeyCornersAreCutOut) {
  const LoadedModel skin = LoadMenuSkin(96);
  const TacMenuPicture picture = BuildMenuPicture(*skin.Data, Spec({40, 30}));
  ASSERT_EQ(picture.Bmp.width(), 40);
  ASSERT_EQ(picture.Bmp.height(), 30);
  EXPECT_EQ(picture.SkinBorderWidth, 3);
  EXPECT_EQ(picture.GlyphColumn, 16 + 2 + 8);
  // The mask's corner: key pixels leave the background, the rest is its grey line.
  EXPECT_EQ(Rgb(picture.Bmp, 0, 0), 0xFFFFFFu);
  EXPECT_EQ(Rgb(picture.Bmp, 2, 0), kGrey);
  EXPECT_EQ(Rgb(picture.Bmp, 0, 2), kGrey);
  EXPECT_EQ(Rgb(picture.Bmp, 20, 0), kGrey);
  EXPECT_EQ(Rgb(picture.Bmp, 39, 15), kGrey);
  EXPECT_EQ(Rgb(picture.Bmp, 20, 15), 0xFFFFFFu);
  const std::vector<TRect> expected{
      {0, 0, 2, 1},   {38, 0, 40, 1},   {0, 1, 1, 2},   {39, 1, 40, 2},
      {0, 29, 2, 30}, {38, 29, 40, 30}, {0, 28, 1, 29}, {39, 28, 40, 29},
  };
  EXPECT_EQ(picture.CornerRects, expected);
}

TEST(MenuPicture, WithoutABorderMaskThereIsNoBorderAndNothingToCut) {
  const LoadedModel skin = LoadMenuSkin(96, false);
  const TacMenuPicture picture = BuildMenuPicture(*skin.Data, Spec({40, 30}));
  EXPECT_EQ(picture.SkinBorderWidth, 0);
  EXPECT_TRUE(picture.CornerRects.empty());
  for (const auto& [x, y] : {std::pair{0, 0}, {2, 0}, {39, 29}}) EXPECT_EQ(Rgb(picture.Bmp, x, y), 0xFFFFFFu);
}

TEST(MenuPicture, TheIconColumnIsPaintedAfterTheBorder) {
  const LoadedModel skin = LoadMenuSkin(96);
  TacMenuPictureSpec spec = Spec({60, 30});
  spec.IcoLineSection = skin.Data->Sections[ssMenuCaption];
  const TacMenuPicture picture = BuildMenuPicture(*skin.Data, spec);
  EXPECT_EQ(Rgb(picture.Bmp, 3, 15), kCaptionBand);
  EXPECT_EQ(Rgb(picture.Bmp, 3 + 26 - 1, 15), kCaptionBand);
  EXPECT_EQ(Rgb(picture.Bmp, 3 + 26, 15), 0xFFFFFFu);
}

TEST(MenuPicture, AtHigherDensityTheCornersScaleWithTheMask) {
  const LoadedModel skin = LoadMenuSkin(192);
  const TacMenuPicture picture = BuildMenuPicture(*skin.Data, Spec({80, 60}));
  ASSERT_FALSE(picture.CornerRects.empty());
  EXPECT_EQ(picture.CornerRects.front().Left, 0);
  EXPECT_EQ(picture.CornerRects.front().Top, 0);
  EXPECT_GT(picture.CornerRects.front().Right, 2);  // twice the run at 96
}

}  // namespace
