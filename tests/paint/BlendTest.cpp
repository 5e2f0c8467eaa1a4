#include <gtest/gtest.h>

#include "skin/paint/acBlend.h"
#include "skin/base/acColorOps.h"
#include "skin/paint/acDisabledLook.h"

namespace {

uint32_t Grey(uint32_t v, uint32_t a = 255) { return MakePixel(v, v, v, a); }

TEST(Blend, BlendBitmapsKeepsTheTargetByWeight) {
  struct Case {
    int keep;
    uint32_t expected;
  };
  for (const Case c : {Case{0, 100}, Case{255, 199}, Case{128, 150}, Case{100, 139}}) {
    PixelImage dst(1, 1, Grey(200)), src(1, 1, Grey(100));
    BlendBitmaps(dst.view(), src.view(), c.keep, {0, 0}, {0, 0, 1, 1});
    EXPECT_EQ(dst.at(0, 0), Grey(c.expected)) << "keep " << c.keep;
  }
}

TEST(Blend, BlendBitmapsReadsOnlyWhatTheSourceHas) {
  // A 2x2 source read from (1, 1) covers only the target's top-left pixel.
  PixelImage dst(3, 3, Grey(200)), src(2, 2, Grey(0));
  BlendBitmaps(dst.view(), src.view(), 0, {1, 1}, {0, 0, 3, 3});
  EXPECT_EQ(dst.at(0, 0), Grey(0));
  EXPECT_EQ(dst.at(1, 0), Grey(200));
  EXPECT_EQ(dst.at(0, 1), Grey(200));
  // Negative source points are cut the same way.
  BlendBitmaps(dst.view(), src.view(), 0, {-2, -2}, {0, 0, 3, 3});
  EXPECT_EQ(dst.at(2, 2), Grey(0));
  EXPECT_EQ(dst.at(1, 1), Grey(200));
}

TEST(Blend, BlendColorOverWashesOutWithTheColour) {
  PixelImage img(2, 1, Grey(0, 7));
  BlendColorOver(img.view(), {0, 0, 5, 5}, 100, 0xFFFFFF);  // the disabled blend
  EXPECT_EQ(img.at(0, 0), Grey(154, 7));                    // alpha untouched
  PixelImage red(1, 1, 0xFF000000u);
  BlendColorOver(red.view(), {0, 0, 1, 1}, 0, 0x0000FF);     // COLORREF red
  EXPECT_EQ(red.at(0, 0), MakePixel(254, 0, 0));
}

TEST(Blend, AlphaCopyComposesBySourceAlpha) {
  struct Case {
    uint32_t dst, src;
    int opacity;
    uint32_t expected;
  };
  const Case cases[] = {
      {0x00000000u, 0xFFFFFFFFu, 255, 0xFEFEFEFEu},  // opaque over nothing: 254, by the formula
      {0xFF000000u, 0x80FFFFFFu, 255, 0xFF7F7F7Fu},  // half over black: (255·128) >> 8
      {0xFF000000u, 0xFFFFFFFFu, 0, 0xFF000000u},    // opacity 0 leaves the target
      {0xFFC8C8C8u, 0x00000000u, 255, 0xFFC8C8C8u},  // transparent source pixels leave it too
  };
  for (const Case& c : cases) {
    PixelImage dst(1, 1, c.dst), src(1, 1, c.src);
    AlphaCopy(dst.view(), src.view(), {0, 0, 1, 1}, c.opacity, {0, 0});
    EXPECT_EQ(dst.at(0, 0), c.expected) << std::hex << c.src << " over " << c.dst;
  }
}

TEST(Blend, AlphaCopyIsClippedAgainstBothPictures) {
  PixelImage dst(3, 3, 0xFF000000u), src(2, 2, 0xFFFFFFFFu);
  src.at(1, 1) = 0xFF0000FFu;
  // The source rectangle reaches past the source and the target point lies left of the target.
  AlphaCopy(dst.view(), src.view(), {1, 1, 4, 4}, 255, {-1, 0});
  EXPECT_EQ(dst.at(0, 0), 0xFF000000u);  // (1,1) landed at x = -1: cut off
  PixelImage dst2(3, 3, 0xFF000000u);
  AlphaCopy(dst2.view(), src.view(), {-1, -1, 2, 2}, 255, {0, 0});
  EXPECT_EQ(dst2.at(0, 0), 0xFF000000u);  // source (-1,-1) does not exist
  EXPECT_EQ(dst2.at(1, 1), 0xFFFEFEFEu);  // source (0,0)
  EXPECT_EQ(dst2.at(2, 2), 0xFF0000FEu);  // source (1,1)
}

TEST(Blend, FillBitmapRectWritesColourAndAlpha) {
  PixelImage img(3, 2, 0);
  FillBitmapRect(img.view(), {1, -5, 9, 1}, 0x0000FF, 0x40);
  EXPECT_EQ(img.at(0, 0), 0u);
  EXPECT_EQ(img.at(1, 0), 0x40FF0000u);
  EXPECT_EQ(img.at(2, 0), 0x40FF0000u);
  EXPECT_EQ(img.at(2, 1), 0u);
}

TEST(ColorOps, SaturationFollowsTheLuminanceFormula) {
  struct Case {
    uint32_t color;
    int amount;
    uint32_t expected;
  };
  const Case cases[] = {
      {0x0000FF, -229, 0x43435D},    // red under the greyed look: R 93, G 67, B 67
      {0xFFFFFF, -229, 0xFEFEFE},
      {0x0000FF, 255, 0x0000FF},     // negative intermediates floor and clamp to 0, not 255
      {0x406080, 100, 0x305D89},     // mid colour made more saturated
      {0x7F0000FF, -255, 0x7F4B4B4B},  // full grey keeps the top byte
  };
  for (const Case& c : cases) EXPECT_EQ(ChangeSaturation(c.color, c.amount), c.expected) << std::hex << c.color;
}

TEST(ColorOps, HueShiftTurnsAroundTheColourWheel) {
  EXPECT_EQ(ShiftHue(0x0000FF, 120), 0x00FF00u);   // red -> green
  EXPECT_EQ(ShiftHue(0x0000FF, -120), 0xFF0000u);  // red -> blue
  EXPECT_EQ(ShiftHue(0x0000FF, 480), 0x00FF00u);
  EXPECT_EQ(ShiftHue(0x80808080, 77), 0x80808080u);  // grey keeps its value
  EXPECT_EQ(ShiftHue(0x40C080, 180), 0xC04080u);
}

TEST(ColorOps, ToneTakesTheLargestChannel) {
  EXPECT_EQ(ToneColor(0x3264C8, 0x0000FF), 0x0000C7u);  // (R200,G100,B50) -> (R199,0,0)
  EXPECT_EQ(ToneColor(0xFF000000u, 0xFFFFFF), 0xFF000000u);
}

TEST(ColorOps, ApplyToPixelsSkipsTheGivenColour) {
  PixelImage img(2, 1, 0xFFFF0000u);
  img.at(1, 0) = 0x00FF00FFu;  // key colour, any alpha
  ApplyToPixels(img.view(), TacPixelOp::Saturation, -229, 0xFF00FF);
  EXPECT_EQ(img.at(0, 0), 0xFF5D4343u);
  EXPECT_EQ(img.at(1, 0), 0x00FF00FFu);
  ApplyToPixels(img.view(), TacPixelOp::Gray, 0, kColorUnset);
  EXPECT_EQ(img.at(1, 0) & 0xFFFFFF, 0x696969u);  // skipped nothing this time
}

TEST(DisabledLook, GreyedAndBlendedOnPureColours) {
  struct Case {
    unsigned kind;
    uint32_t pixel;
    uint32_t expected;
  };
  const Case cases[] = {
      {dkGrayed, 0xFFFF0000u, 0xFF5D4343u},             // red
      {dkGrayed, 0xFF00FF00u, 0xFF86A086u},             // green: Y 150
      {dkGrayed, 0xFFFF00FFu, 0xFFFF00FFu},             // key pixels stay
      {dkBlended, 0xFF000000u, 0xFF9A9A9Au},            // black under a white background
      {dkBlended | dkGrayed, 0xFFFF0000u, 0xFFBEB4B4u},
  };
  for (const Case& c : cases) {
    PixelImage img(1, 1, c.pixel);
    ApplyDisabledLook(img.view(), c.kind, 0x123456, {0, 0}, ColorCacheInfo(0xFFFFFF));
    EXPECT_EQ(img.at(0, 0), c.expected) << std::hex << c.pixel << " kind " << c.kind;
  }
}

TEST(DisabledLook, BlendsTheParentPictureOrItsColour) {
  PixelImage parent(4, 1, 0);
  parent.at(3, 0) = 0xFFFFFFFFu;
  PixelImage img(1, 1, 0xFF000000u);
  ApplyDisabledLook(img.view(), dkBlended, 0, {2, 0}, MakeCacheInfo(parent.view(), 1, 0));
  EXPECT_EQ(img.at(0, 0), 0xFF9B9B9Bu);  // the parent pixel at (1 + 2, 0), blended as pictures are
  PixelImage img2(1, 1, 0xFF000000u);
  ApplyDisabledLook(img2.view(), dkBlended, 0xFFFFFF, {0, 0}, TCacheInfo{});  // unknown: the parent's colour
  EXPECT_EQ(img2.at(0, 0), 0xFF9A9A9Au);
  PixelImage img3(1, 1, 0xFFFF0000u);
  ApplyDisabledLook(img3.view(), dkGrayed, 0, {0, 0}, TCacheInfo{}, -100);
  EXPECT_EQ(img3.at(0, 0), 0xFF4C4C4Cu);  // full greyscale: Y of red = 76
}

}  // namespace
