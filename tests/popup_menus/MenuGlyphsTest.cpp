// The built-in symbols: where their ink lies, at any size, in the colour asked for.
#include <gtest/gtest.h>

#include "skin/forms/logic/acMenuGlyphs.h"

namespace {

int Ink(const PixelImage& p, TRect r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += PixelA(p.at(x, y)) >= 128;
  return n;
}

bool MirroredLeftRight(const PixelImage& p) {
  for (int y = 0; y < p.height(); ++y)
    for (int x = 0; x < p.width(); ++x)
      if (p.at(x, y) != p.at(p.width() - 1 - x, y)) return false;
  return true;
}

TEST(MenuGlyphs, EverySymbolHasInkInTheGivenColourAndScales) {
  for (TacGlyph g : {TacGlyph::Check, TacGlyph::RadioDot, TacGlyph::MoveArrows, TacGlyph::Minimize,
                     TacGlyph::Maximize, TacGlyph::Restore, TacGlyph::Close}) {
    SCOPED_TRACE(static_cast<int>(g));
    const PixelImage small = DrawGlyph(g, 14, 0x0000FF);
    const PixelImage large = DrawGlyph(g, 28, 0x0000FF);
    ASSERT_EQ(small.width(), 14);
    const int inkSmall = Ink(small, {0, 0, 14, 14}), inkLarge = Ink(large, {0, 0, 28, 28});
    EXPECT_GT(inkSmall, 3);
    // Twice the size: about four times the area for filled shapes, at least twice for lines.
    EXPECT_GE(inkLarge, inkSmall * 2);
    EXPECT_LE(inkLarge, inkSmall * 5);
    for (int y = 0; y < 14; ++y)
      for (int x = 0; x < 14; ++x)
        if (PixelA(small.at(x, y)) != 0) EXPECT_EQ(small.at(x, y) & 0xFFFFFF, 0xFF0000u);  // red
  }
}

TEST(MenuGlyphs, ShapesAreWhereTheSymbolsPutThem) {
  const PixelImage minimize = DrawGlyph(TacGlyph::Minimize, 16, 0);
  EXPECT_EQ(Ink(minimize, {0, 0, 16, 8}), 0);  // a bar low down
  EXPECT_GT(Ink(minimize, {0, 8, 16, 16}), 0);
  const PixelImage maximize = DrawGlyph(TacGlyph::Maximize, 16, 0);
  EXPECT_EQ(Ink(maximize, {6, 7, 10, 11}), 0);  // hollow
  EXPECT_GT(Ink(maximize, {3, 3, 13, 5}), Ink(maximize, {3, 11, 13, 13}));  // a thicker top, like a title bar
  EXPECT_NE(DrawGlyph(TacGlyph::Restore, 16, 0), maximize);
  const PixelImage radio = DrawGlyph(TacGlyph::RadioDot, 16, 0);
  EXPECT_EQ(Ink(radio, {7, 7, 9, 9}), 4);
  EXPECT_EQ(Ink(radio, {0, 0, 3, 3}), 0);
  EXPECT_TRUE(MirroredLeftRight(DrawGlyph(TacGlyph::Close, 15, 0)));
  EXPECT_TRUE(MirroredLeftRight(DrawGlyph(TacGlyph::MoveArrows, 15, 0)));
  EXPECT_TRUE(DrawGlyph(TacGlyph::Check, 0, 0).empty());
}

TEST(MenuGlyphs, PaintGlyphBlendsByCoverageAndOpacity) {
  PixelImage target(16, 16, MakePixel(255, 255, 255));
  PaintGlyph(target.view(), {0, 0}, TacGlyph::RadioDot, 16, 0x000000);
  EXPECT_EQ(target.at(8, 8), MakePixel(0, 0, 0));
  EXPECT_EQ(target.at(0, 0), MakePixel(255, 255, 255));
  PixelImage faint(16, 16, MakePixel(255, 255, 255));
  PaintGlyph(faint.view(), {0, 0}, TacGlyph::RadioDot, 16, 0x000000, 128);
  EXPECT_NEAR(static_cast<int>(PixelR(faint.at(8, 8))), 127, 2);
}

TEST(MenuGlyphs, SystemMenuCommandsChooseTheirSymbols) {
  const std::pair<uint32_t, TacGlyph> table[] = {{0xF010, TacGlyph::MoveArrows}, {0xF020, TacGlyph::Minimize},
                                                 {0xF030, TacGlyph::Maximize}, {0xF060, TacGlyph::Close},
                                                 {0xF120, TacGlyph::Restore}, {0xF012, TacGlyph::MoveArrows}};
  for (const auto& [command, expected] : table) {
    TacGlyph g{};
    EXPECT_TRUE(GlyphForSystemCommand(command, g));
    EXPECT_EQ(g, expected);
  }
  TacGlyph g{};
  EXPECT_FALSE(GlyphForSystemCommand(0xF000, g));  // size: none
}

}  // namespace
