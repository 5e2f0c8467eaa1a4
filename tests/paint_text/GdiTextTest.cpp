#include <gtest/gtest.h>

#include <map>

#include "skin/data/acSkinData.h"
#include "skin/paint/acGdiTextPainter_win.h"
#include "skin/paint/acSkinnedText.h"

namespace {

const TacFont kFont{u"Tahoma", -24, 700, false, false, DEFAULT_CHARSET, 0};

// Pixels whose value differs from the background, counted by value.
std::map<uint32_t, int> Changed(const PixelImage& img, uint32_t background) {
  std::map<uint32_t, int> out;
  for (uint32_t p : img.data())
    if (p != background) ++out[p];
  return out;
}

TEST(GdiText, GlyphPixelsBecomeOpaqueInTheTextColour) {
  TacGdiTextPainter painter;
  PixelImage img(160, 40, 0x00102030u);  // a transparent background, as layered windows have
  painter.Draw(img.view(), u"Marvolena", kFont, {0, 0, 160, 40}, 0x0000FF, tfSingleLine | tfVCenter);
  const auto changed = Changed(img, 0x00102030u);
  ASSERT_FALSE(changed.empty());
  int solid = 0;
  for (const auto& [pixel, count] : changed) {
    EXPECT_EQ(pixel >> 24, 0xFFu) << std::hex << pixel;
    if (pixel == 0xFFFF0000u) solid += count;
  }
  EXPECT_GT(solid, 40);  // the strokes themselves are exactly the colour asked for
}

TEST(GdiText, NothingOutsideTheRectangle) {
  TacGdiTextPainter painter;
  PixelImage img(60, 30, 0x00FFFFFFu);
  // The rectangle reaches past the picture's left edge; its right part ends at x 30.
  painter.Draw(img.view(), u"WWWWWWWW", kFont, {-20, 0, 30, 30}, 0, tfSingleLine);
  for (int y = 0; y < 30; ++y)
    for (int x = 30; x < 60; ++x) ASSERT_EQ(img.at(x, y), 0x00FFFFFFu) << x << "," << y;
  EXPECT_FALSE(Changed(img, 0x00FFFFFFu).empty());
}

TEST(GdiText, MeasureGrowsWithTheText) {
  TacGdiTextPainter painter;
  const TSize one = painter.Measure(u"M", kFont, tfSingleLine, 1000);
  const TSize three = painter.Measure(u"MMM", kFont, tfSingleLine, 1000);
  EXPECT_GT(one.cx, 0);
  EXPECT_GE(one.cy, 20);
  EXPECT_GT(three.cx, 2 * one.cx);
}

TEST(GdiText, SkinnedCaptionKeepsTheSectionsColourAndContour) {
  TacSkinData data(nullptr, 96);
  data.gd.resize(1);
  data.gd[0].Props[0].FontColor.Color = 0x00C000;  // green text
  data.gd[0].Props[0].FontColor.Bottom = 0xFF0000; // with a blue contour below
  TacElementOwnerData owner;
  owner.Data = &data;
  owner.Index = 0;
  TacGdiTextPainter painter;
  PixelImage img(160, 40, 0x00000000u);
  WriteSkinnedText({img.view(), &painter, kFont}, u"Slate", true, false, 0, owner, tfSingleLine | tfVCenter,
                   {2, 2, 158, 38});
  const auto changed = Changed(img, 0);
  ASSERT_TRUE(changed.count(0xFF00C000u)) << "no pixel in the section's font colour";
  EXPECT_TRUE(changed.count(0xFF0000FFu)) << "no pixel of the contour";
  for (const auto& [pixel, count] : changed) EXPECT_EQ(pixel >> 24, 0xFFu);
}

}  // namespace
