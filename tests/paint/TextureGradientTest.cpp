#include <gtest/gtest.h>

#include <cstdlib>

#include "skin/paint/acGradient.h"
#include "skin/paint/acTexture.h"
#include "tests/paint/PaintFixtures.h"

namespace {

using paint_test::Letters;
using paint_test::MaskOver;
using paint_test::Picture;
using paint_test::PixelOf;
using Rows = std::vector<std::string>;

struct TextureCase {
  int mode;
  Rows expected;
  TRect rest;
};

TEST(Texture, ModesPlaceTheImageAndReturnTheRest) {
  // A 2x2 texture over a 5x3 area (stretching samples under each pixel's centre) with a 1-pixel frame around it (the frame must stay).
  const PixelImage tex = Picture({"12", "34"});
  const TacMaskImage mask = MaskOver(tex, 1, 0, 0, 0, 0, 0, 0);
  const TRect r{1, 1, 6, 4};
  const TextureCase cases[] = {
      {tmTile, {"12121", "34343", "12121"}, {}},
      {tmTileColumns, {"12121", "34343", "12121"}, {}},
      {tmStretch, {"11222", "33444", "33444"}, {}},
      {tmTileTop, {"12121", "34343", "aaaaa"}, {1, 3, 6, 4}},
      {tmTileLeft, {"12aaa", "34aaa", "12aaa"}, {3, 1, 6, 4}},
      {tmStretchTop, {"11222", "33444", "aaaaa"}, {1, 3, 6, 4}},
      {tmStretchLeft, {"12aaa", "34aaa", "34aaa"}, {3, 1, 6, 4}},
      {tmTileBottom, {"aaaaa", "12121", "34343"}, {1, 1, 6, 2}},
      {tmTileRight, {"aaa12", "aaa34", "aaa12"}, {1, 1, 4, 4}},
      {tmStretchBottom, {"aaaaa", "11222", "33444"}, {1, 1, 6, 2}},
      {tmStretchRight, {"aaa12", "aaa34", "aaa34"}, {1, 1, 4, 4}},
      {tmStretchWidth, {"11222", "33444", "11222"}, {}},
      {tmStretchHeight, {"12121", "34343", "34343"}, {}},
      {tmTileFromBottomRight, {"43434", "21212", "43434"}, {}},
      {tmTileCentred, {"21212", "43434", "21212"}, {}},
  };
  for (const TextureCase& c : cases) {
    PixelImage target(7, 5, PixelOf('a'));
    const TRect rest = PaintTexture(target.view(), r, c.mode, mask);
    const Rows rows = Letters(target);
    EXPECT_EQ(rows.front(), "aaaaaaa") << "mode " << c.mode;
    EXPECT_EQ(rows.back(), "aaaaaaa") << "mode " << c.mode;
    Rows inner;
    for (int y = 1; y < 4; ++y) {
      EXPECT_EQ(rows[y][0], 'a');
      EXPECT_EQ(rows[y][6], 'a');
      inner.push_back(rows[y].substr(1, 5));
    }
    EXPECT_EQ(inner, c.expected) << "mode " << c.mode;
    EXPECT_EQ(rest, c.rest) << "mode " << c.mode;
  }
}

TEST(Texture, MaskedTexturesBlendThroughTheirMask) {
  PixelImage tex(1, 2, 0xFF0000FFu);
  tex.at(0, 1) = 0xFFFFFFFFu;  // white mask: the target stays (one step darker)
  PixelImage target(2, 1, 0xFFC8C8C8u);
  PaintTexture(target.view(), {0, 0, 2, 1}, tmTile, MaskOver(tex, 1, 1, 0, 0, 0, 0, 0));
  EXPECT_EQ(target.at(0, 0), MakePixel(199, 199, 200));
}

std::vector<TsGradPoint> Points(std::initializer_list<std::pair<uint32_t, int>> colorsAndPercents, uint32_t mode = 0) {
  std::vector<TsGradPoint> p;
  for (const auto& [color, percent] : colorsAndPercents) {
    TsGradPoint g;
    g.Index = static_cast<uint16_t>(p.size());
    g.Mode = mode;
    g.Color = TsColor::FromValue(color | 0xFF000000u);
    g.Percent = static_cast<uint8_t>(percent);
    p.push_back(g);
  }
  return p;
}

TEST(Gradient, VerticalBandsRunFromColourToColour) {
  // The skins' common two-point grey gradient, over 100 rows.
  const auto points = ParseGradientData("15066597;12632256;97;0;0;12632256;12632256;0;0;0");
  ASSERT_EQ(points.size(), 2u);
  PixelImage img(3, 100, 0);
  PaintGradient(img.view(), {0, 0, 3, 100}, points);
  EXPECT_EQ(img.at(0, 0), 0xFFE5E5E5u);
  EXPECT_EQ(img.at(2, 99), 0xFFC0C0C0u);
  for (int y = 1; y < 100; ++y) {
    EXPECT_LE(img.at(1, y), img.at(1, y - 1));
    EXPECT_EQ(img.at(0, y), img.at(2, y));
  }
  // Two bands: black to white over the first half, then white to red.
  const auto three = Points({{0x000000, 0}, {0xFFFFFF, 50}, {0x0000FF, 100}});
  PixelImage bands(1, 10, 0);
  PaintGradient(bands.view(), {0, 0, 1, 10}, three);
  const uint32_t expected[10] = {0xFF000000, 0xFF333333, 0xFF666666, 0xFF999999, 0xFFCCCCCC,
                                 0xFFFFFFFF, 0xFFFFBFBF, 0xFFFF8080, 0xFFFF4040, 0xFFFF0000};
  for (int y = 0; y < 10; ++y) EXPECT_EQ(bands.at(0, y), expected[y]) << "row " << y;
}

TEST(Gradient, HorizontalGivesIdenticalColumns) {
  const auto points = Points({{0x000000, 0}, {0xFFFFFF, 100}}, 1);
  PixelImage img(5, 3, 0);
  PaintGradient(img.view(), {0, 0, 5, 3}, points);
  const uint32_t row[5] = {0xFF000000, 0xFF404040, 0xFF808080, 0xFFBFBFBF, 0xFFFFFFFF};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(img.at(x, y), row[x]) << x << "," << y;
}

TEST(Gradient, OffsetBandsStayInsideTheRectangle) {
  const auto points = Points({{0x000000, 0}, {0xFFFFFF, 100}});
  PixelImage img(1, 6, 0xFF0000FFu);
  // The bands begin two rows above r (a piece of a taller gradient); row 0 is not r's.
  PaintGradient(img.view(), {0, 1, 1, 6}, points, {0, -2});
  EXPECT_EQ(img.at(0, 0), 0xFF0000FFu);
  EXPECT_EQ(img.at(0, 5), 0xFFFFFFFFu);
  EXPECT_LT(img.at(0, 1), img.at(0, 2));
}

TEST(Gradient, FourTrianglesMeetInTheCentre) {
  // top-left black, centre white, top-right red, bottom-right green, bottom-left blue
  const auto points = Points({{0x000000, 0}, {0xFFFFFF, 0}, {0x0000FF, 0}, {0x00FF00, 0}, {0xFF0000, 100}}, 2);
  PixelImage img(41, 41, 0);
  PaintGradient(img.view(), {0, 0, 41, 41}, points);
  auto near = [](uint32_t a, uint32_t b) {
    for (int s = 0; s < 24; s += 8)
      if (std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)) > 16) return false;
    return true;
  };
  EXPECT_TRUE(near(img.at(0, 0), 0xFF000000u));
  EXPECT_TRUE(near(img.at(20, 20), 0xFFFFFFFFu));
  EXPECT_TRUE(near(img.at(40, 0), 0xFFFF0000u));
  EXPECT_TRUE(near(img.at(40, 40), 0xFF00FF00u));
  EXPECT_TRUE(near(img.at(0, 40), 0xFF0000FFu));
  // Halfway along the top edge: between the two top corners, no centre colour in it.
  EXPECT_TRUE(near(img.at(20, 0), 0xFF800000u));
  // The left triangle mixes only top-left, centre and bottom-left: no red or green.
  const uint32_t left = img.at(5, 20);
  EXPECT_EQ((left >> 16) & 0xFF, (left >> 8) & 0xFF);
}

TEST(Gradient, BlendedUnderAPicture) {
  const auto points = Points({{0xFFFFFF, 0}, {0xFFFFFF, 100}});
  PixelImage img(2, 2, 0xFF000000u);
  BlendGradient(img.view(), {0, 0, 2, 2}, points, 100);
  EXPECT_EQ(img.at(1, 1), 0xFF9B9B9Bu);  // (100·(0 - 255) + 255·256) >> 8
}

}  // namespace
