// The popup picture: background, border from the mask, and the corner cut-outs that
// become the window's region.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/data/acSkinData.h"
#include "skin/forms/logic/acMenuPicture.h"
#include "skin/paint/acTextRecorder.h"
#include "tests/popup_menus/MenuFixture.h"

namespace {

uint32_t Rgb(const PixelImage& p, int x, int y) { return PixelToColor(p.at(x, y)); }

TacMenuPictureRequest Request(TSize size) {
  TacMenuPictureRequest request;
  request.Size = size;
  return request;
}

TEST(MenuPicture, BorderComesFromTheMaskAndKeyCornersAreCutOut) {
  const LoadedModel skin = LoadMenuSkin(96);
  const TacMenuPicture picture = BuildMenuPicture(*skin.Data, Request({40, 30}));
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
  const TacMenuPicture picture = BuildMenuPicture(*skin.Data, Request({40, 30}));
  EXPECT_EQ(picture.SkinBorderWidth, 0);
  EXPECT_TRUE(picture.CornerRects.empty());
  for (const auto& [x, y] : {std::pair{0, 0}, {2, 0}, {39, 29}}) EXPECT_EQ(Rgb(picture.Bmp, x, y), 0xFFFFFFu);
}

TEST(MenuPicture, TheIconColumnIsPaintedAfterTheBorder) {
  const LoadedModel skin = LoadMenuSkin(96);
  TacMenuPictureRequest request = Request({60, 30});
  request.IcoLineSection = skin.Data->Sections[ssMenuCaption];
  const TacMenuPicture picture = BuildMenuPicture(*skin.Data, request);
  EXPECT_EQ(Rgb(picture.Bmp, 3, 15), kCaptionBand);
  EXPECT_EQ(Rgb(picture.Bmp, 3 + 26 - 1, 15), kCaptionBand);
  EXPECT_EQ(Rgb(picture.Bmp, 3 + 26, 15), 0xFFFFFFu);
}

TEST(MenuPicture, AtHigherDensityTheCornersScaleWithTheMask) {
  const LoadedModel skin = LoadMenuSkin(192);
  const TacMenuPicture picture = BuildMenuPicture(*skin.Data, Request({80, 60}));
  ASSERT_FALSE(picture.CornerRects.empty());
  EXPECT_EQ(picture.CornerRects.front().Left, 0);
  EXPECT_EQ(picture.CornerRects.front().Top, 0);
  EXPECT_GT(picture.CornerRects.front().Right, 2);  // twice the run at 96
}

}  // namespace

namespace {

TEST(MenuPicture, TheExtraLineIsABandAtTheLeftWithItsTextWrittenUpwards) {
  const LoadedModel skin = LoadMenuSkin(96);
  TacTextRecorder painter;
  TacMenuPictureRequest request = Request({80, 60});
  request.Metrics.ExtraLineWidth = 20;
  request.ExtraLineSection = skin.Data->Sections[ssMenuCaption];
  request.ExtraLineText = u"ABCD";
  request.ExtraLineFont.Height = -12;
  request.Painter = &painter;
  const TacMenuPicture picture = BuildMenuPicture(*skin.Data, request);
  // The band lies inside the border, 20 pixels wide.
  EXPECT_EQ(Rgb(picture.Bmp, 3, 3), kCaptionBand);
  EXPECT_EQ(Rgb(picture.Bmp, 22, 3), kCaptionBand);
  EXPECT_EQ(Rgb(picture.Bmp, 23, 3), 0xFFFFFFu);
  // Four 6 x 12 character boxes, turned a quarter left: 12 wide across the band's middle,
  // stacked upwards from 12 pixels above the bottom edge.
  ASSERT_EQ(painter.calls.size(), 1u);
  int inkTop = 60, inkBottom = -1, inkLeft = 80, inkRight = -1;
  for (int y = 0; y < 60; ++y)
    for (int x = 3; x < 23; ++x)
      if (Rgb(picture.Bmp, x, y) == 0) {
        inkTop = std::min(inkTop, y), inkBottom = std::max(inkBottom, y);
        inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
      }
  EXPECT_EQ(inkBottom, 60 - 3 - 12 - 1);
  EXPECT_GT(inkBottom - inkTop, inkRight - inkLeft);  // taller than wide: written upwards
  EXPECT_LE(inkRight - inkLeft + 1, 12);
}

}  // namespace
