#include <gtest/gtest.h>

#include "skin/paint/acNineSlice.h"
#include "skin/base/acPixelOps.h"
#include "tests/paint/PaintFixtures.h"

namespace {

using paint_test::Letters;
using paint_test::MaskOver;
using paint_test::Picture;
using paint_test::PixelOf;
using Rows = std::vector<std::string>;

// A 3x3 border image with distinct corners (1 3 6 8), sides (2 4 5 7) and centre c.
PixelImage Border3x3() { return Picture({"123", "4c5", "678"}); }

PixelImage Paint(const TacMaskImage& mask, int w, int h, int state = 1, TRect r = {}, char background = 'a') {
  PixelImage target(w, h, PixelOf(background));
  if (r.IsEmpty()) r = {0, 0, w, h};
  PaintNineSlice(target.view(), r, TCacheInfo{}, mask, state, false);
  return target;
}

TEST(NineSlice, SmallTargetsAndMissingStates) {
  const PixelImage img = Border3x3();
  const TacMaskImage mask = MaskOver(img, 1, 0, kBorderStretch | kBorderCentre, 1, 1, 1, 1);
  EXPECT_EQ(Letters(Paint(mask, 1, 3)), (Rows{"a", "a", "a"}));  // one pixel wide: nothing
  EXPECT_EQ(Letters(Paint(mask, 2, 2)), (Rows{"13", "68"}));     // only the corners
  EXPECT_EQ(Letters(Paint(mask, 4, 3)), (Rows{"1223", "4cc5", "6778"}));
  TacMaskImage notInNormal = mask;
  notInNormal.DrawMode |= kBorderNotInState0;
  EXPECT_EQ(Letters(Paint(notInNormal, 2, 2, 0)), (Rows{"aa", "aa"}));
  EXPECT_EQ(Letters(Paint(notInNormal, 2, 2, 1)), (Rows{"13", "68"}));
}

TEST(NineSlice, MarginsWiderThanTheTargetShrinkFarSideFirst) {
  // Width 7 against margins 5 + 5: three too many; the left gives 1, the right 2.
  const PixelImage img = Picture({"0123456789", "abcdefghij", "klmnopqrst"});
  const TacMaskImage mask = MaskOver(img, 1, 0, kBorderStretch | kBorderCentre, 5, 1, 5, 1);
  EXPECT_EQ(Letters(Paint(mask, 7, 3)), (Rows{"0123789", "abcdhij", "klmnrst"}));
}

TEST(NineSlice, MarginsLargerThanTheTargetStayInsideIt) {
  // Margins 0 + 5 and 4 + 4 cannot fit a 3 x 3 target even after shrinking: nothing
  // may land outside the target rectangle.
  const PixelImage img = Picture({"0123456789", "abcdefghij", "klmnopqrst", "uvwxyz0123", "456789abcd",
                                  "efghijklmn", "opqrstuvwx", "yz01234567", "89abcdefgh", "ijklmnopqr"});
  const TacMaskImage mask = MaskOver(img, 1, 0, kBorderStretch | kBorderCentre, 0, 4, 5, 4);
  const PixelImage out = Paint(mask, 5, 5, 1, {1, 1, 4, 4}, 'W');
  const Rows rows = Letters(out);
  EXPECT_EQ(rows[0], "WWWWW");
  EXPECT_EQ(rows[4], "WWWWW");
  for (const std::string& row : rows) {
    EXPECT_EQ(row[0], 'W');
    EXPECT_EQ(row[4], 'W');
  }
  EXPECT_NE(rows[2].substr(1, 3), "WWW");  // but the rectangle itself was painted
}

TEST(NineSlice, StateImagesAreClampedToTheImagesThere) {
  const PixelImage img = Picture({"aabbcc", "aabbcc"});
  const TacMaskImage mask = MaskOver(img, 3, 0, kBorderStretch, 1, 1, 1, 1);
  EXPECT_EQ(Letters(Paint(mask, 2, 2, 0, {}, 'W')), (Rows{"aa", "aa"}));
  EXPECT_EQ(Letters(Paint(mask, 2, 2, 2, {}, 'W')), (Rows{"cc", "cc"}));
  EXPECT_EQ(Letters(Paint(mask, 2, 2, 3, {}, 'W')), (Rows{"cc", "cc"}));  // state 3 -> third image
}

TEST(NineSlice, SidesTileOrStretch) {
  const PixelImage img = Picture({"1ab3", "4cd5", "4ef5", "6gh8"});
  const TacMaskImage tiled = MaskOver(img, 1, 0, kBorderCentre, 1, 1, 1, 1);
  EXPECT_EQ(Letters(Paint(tiled, 7, 6)),
            (Rows{"1ababa3", "4cdcdc5", "4efefe5", "4cdcdc5", "4efefe5", "6ghghg8"}));
  const TacMaskImage stretched = MaskOver(img, 1, 0, kBorderCentre | kBorderStretch, 1, 1, 1, 1);
  EXPECT_EQ(Letters(Paint(stretched, 7, 3)), (Rows{"1aabbb3", "4eefff5", "6gghhh8"}));
  const TacMaskImage noCentre = MaskOver(img, 1, 0, 0, 1, 1, 1, 1);
  EXPECT_EQ(Letters(Paint(noCentre, 5, 3)), (Rows{"1aba3", "4aaa5", "6ghg8"}));
}

TEST(NineSlice, MaskedImagesBlendThroughTheirMask) {
  // Upper half the image (red), lower half the mask: black shows it, white keeps the
  // target (by the formula, one step darker), grey mixes.
  PixelImage img(2, 4, 0xFFFF0000u);
  img.at(0, 2) = 0xFF000000u;
  img.at(1, 2) = 0xFFFFFFFFu;
  img.at(0, 3) = 0xFF808080u;
  img.at(1, 3) = 0xFF000000u;
  const TacMaskImage mask = MaskOver(img, 1, 1, kBorderStretch, 1, 1, 1, 1);
  PixelImage target(2, 2, 0x00646464u);  // grey 100, alpha 0
  PaintNineSlice(target.view(), {0, 0, 2, 2}, TCacheInfo{}, mask, 0, false);
  auto blend = [](int t, int i, int m) { return static_cast<uint32_t>(((t - i) * m + i * 256) >> 8); };
  EXPECT_EQ(target.at(0, 0), 0xFFFF0000u);
  EXPECT_EQ(target.at(1, 0), MakePixel(blend(100, 255, 255), blend(100, 0, 255), blend(100, 0, 255)));
  EXPECT_EQ(target.at(0, 1), MakePixel(blend(100, 255, 128), blend(100, 0, 128), blend(100, 0, 128)));
  EXPECT_EQ(target.at(1, 1), 0xFFFF0000u);
}

TEST(NineSlice, KeyColourCornersShowTheParent) {
  // Plain border whose top-left corner pixel is key colour.
  const PixelImage img = Picture({"M23", "4c5", "678"});
  const TacMaskImage plain = MaskOver(img, 1, 0, kBorderStretch | kBorderCentre, 1, 1, 1, 1, 1);
  PixelImage parent(6, 6, PixelOf('b'));
  parent.at(3, 2) = PixelOf('R');  // under the corner: target (1, 1) + (X 2, Y 1)
  struct Case {
    bool cornerFill;
    int cfg;
    TCacheInfo info;
    char expected;
  };
  const Case cases[] = {
      {false, 1, MakeCacheInfo(parent.view(), 2, 1), 'a'},  // no corner fill: the target stays
      {true, 0, MakeCacheInfo(parent.view(), 2, 1), 'a'},   // the mask has no key corners
      {true, 1, MakeCacheInfo(parent.view(), 2, 1), 'R'},   // the parent's pixel
      {true, 1, ColorCacheInfo(0x0000FF), 'R'},             // only the parent's colour known
      {true, 1, MakeCacheInfo(parent.view(), 9, 9), 'a'},   // parent picture does not reach
      {true, 1, TCacheInfo{}, 'a'},                         // nothing known
  };
  for (const Case& c : cases) {
    TacMaskImage m = plain;
    m.Cfg = c.cfg;
    PixelImage target(5, 5, PixelOf('a'));
    PaintNineSlice(target.view(), {1, 1, 4, 4}, c.info, m, 1, c.cornerFill);
    EXPECT_EQ(Letters(target)[1][1], c.expected) << "cornerFill " << c.cornerFill << " cfg " << c.cfg;
    EXPECT_EQ(Letters(target)[1][2], '2');
  }
}

TEST(NineSlice, KeyPixelsOfMaskedCornersAreNotBlended) {
  PixelImage img = Picture({"M2", "67", "KK", "KK"});
  const TacMaskImage mask = MaskOver(img, 1, 1, kBorderStretch, 1, 1, 1, 1, 1);
  PixelImage parent(2, 2, PixelOf('R'));
  PixelImage target(2, 2, PixelOf('a'));
  PaintNineSlice(target.view(), {0, 0, 2, 2}, TCacheInfo{}, mask, 1, false);
  EXPECT_EQ(Letters(target), (Rows{"a2", "67"}));
  PaintNineSlice(target.view(), {0, 0, 2, 2}, MakeCacheInfo(parent.view()), mask, 1, true);
  EXPECT_EQ(Letters(target), (Rows{"R2", "67"}));
}

TEST(NineSlice, AlphaImagesCompose) {
  PixelImage img(3, 3, 0x80FFFFFFu);  // half-transparent white everywhere
  img.at(0, 0) = 0x00FF00FFu;         // a transparent key pixel
  const TacMaskImage mask = MaskOver(img, 1, 0, kBorderAlpha | kBorderCentre, 1, 1, 1, 1);
  PixelImage target(4, 4, 0xFF000000u);
  PaintNineSlice(target.view(), {0, 0, 4, 4}, TCacheInfo{}, mask, 1, false);
  EXPECT_EQ(target.at(0, 0), 0xFF000000u);
  EXPECT_EQ(target.at(1, 0), 0xFF7F7F7Fu);
  EXPECT_EQ(target.at(2, 2), 0xFF7F7F7Fu);
}

TEST(NineSlice, SinglePixelMaskedCentreIsOneColour) {
  struct Case {
    uint32_t mask;
    uint32_t expected;
  };
  const uint32_t target0 = 0xFF646464u;
  const Case cases[] = {
      {0xFF000000u, 0xFF0000FFu},  // black: the image pixel
      {0xFFFFFFFFu, target0},      // white: the target exactly
      {0xFF808080u, MakePixel(50, 50, 177)},
  };
  for (const Case& c : cases) {
    PixelImage img(3, 6, 0xFF000000u);
    img.at(1, 1) = 0xFF0000FFu;  // the centre pixel, blue
    for (int x = 0; x < 3; ++x)
      for (int y = 3; y < 6; ++y) img.at(x, y) = 0xFFFFFFFFu;  // borders invisible
    img.at(1, 4) = c.mask;
    const TacMaskImage mask = MaskOver(img, 1, 1, kBorderStretch | kBorderCentre, 1, 1, 1, 1);
    PixelImage target(6, 5, target0);
    PaintNineSlice(target.view(), {0, 0, 6, 5}, TCacheInfo{}, mask, 1, false);
    EXPECT_EQ(target.at(3, 2), c.expected) << std::hex << c.mask;
    EXPECT_EQ(target.at(1, 1), c.expected);
  }
}

TEST(MaskImage, DrawnUnscaledAndClippedWithKeyPixelsLeftAlone) {
  const PixelImage img = Picture({"RMGBKW", "RRGGKK"});
  const TacMaskImage glyph = MaskOver(img, 3, 0, 0, 0, 0, 0, 0);
  PixelImage target(3, 3, PixelOf('a'));
  DrawMaskImage(target.view(), {-1, 1}, 0, MakeCacheInfo(target.view()), glyph);
  EXPECT_EQ(Letters(target), (Rows{"aaa", "aaa", "Raa"}));
  DrawMaskImage(target.view(), {1, 0}, 7, MakeCacheInfo(target.view()), glyph);  // state beyond: the last image
  EXPECT_EQ(Letters(target), (Rows{"aKW", "aKK", "Raa"}));
}

}  // namespace
