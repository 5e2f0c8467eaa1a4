// The border window's picture with Slate's shadow at every density, where the owner's
// client area lands in it, and the blur-behind region's corner cut-outs.
#include <gtest/gtest.h>

#include "skin/forms/logic/acAnimPicture.h"
#include "skin/forms/logic/acBorderPicture.h"
#include "tests/support/SlateFixture.h"

namespace {

TacBorderFrame MainWindowFrame(const TacSkinData& data) {
  return {data.FormShadowSize, data.ExBorderWidth, data.ExTitleHeight, 0, 0, {400, 300}};
}

PixelImage PaintSlateBorder(const TacSkinData& data, const TacBorderFrame& f, bool active) {
  TacFramePictureInput in;
  in.Data = &data;
  in.Sections = FindFrameSections(data);
  in.Active = active;
  const TPoint size = BorderPictureSize(f);
  PixelImage picture(size.X, size.Y);
  PixelImage titleEnd;
  PaintBorderPicture(in, f, active, picture.view(), titleEnd);
  return picture;
}

TEST(BorderPicture, SlateShadowSurroundsTheFrameAtEveryDensity) {
  // EXBORDER's margins per density: the shadow reaches this far beyond the frame.
  const std::pair<int, TRect> expected[] = {
      {96, {12, 8, 12, 16}}, {120, {15, 10, 15, 20}}, {144, {18, 12, 18, 24}}, {192, {24, 16, 24, 32}}};
  for (const auto& [ppi, shadow] : expected) {
    SCOPED_TRACE(ppi);
    const SlateModel slate = LoadSlate(ppi);
    const TacSkinData& data = *slate.Data;
    ASSERT_EQ(data.FormShadowSize, shadow);
    for (const bool active : {false, true}) {
      const TacBorderFrame f = MainWindowFrame(data);
      const PixelImage picture = PaintSlateBorder(data, f, active);
      const TRect frame = BorderFrameRect(f);
      const int midY = (frame.Top + frame.Bottom) / 2, midX = (frame.Left + frame.Right) / 2;
      // Soft: half-transparent half-way through the shadow on every side, fading outwards.
      for (const TPoint p : {TPoint{frame.Left / 2, midY}, TPoint{(frame.Right + picture.width()) / 2, midY},
                             TPoint{midX, frame.Top / 2}, TPoint{midX, (frame.Bottom + picture.height()) / 2}}) {
        const uint32_t a = PixelA(picture.at(p.X, p.Y));
        EXPECT_GT(a, 0u) << p.X << "," << p.Y;
        EXPECT_LT(a, 255u) << p.X << "," << p.Y;
      }
      EXPECT_LT(PixelA(picture.at(0, midY)), PixelA(picture.at(frame.Left - 1, midY)));
      // The frame itself is opaque around the client area, which shows through untouched.
      const TPoint client = BorderClientOffset(f);
      for (const TPoint p : {TPoint{frame.Left, midY}, TPoint{frame.Right - 1, midY}, TPoint{midX, frame.Top},
                             TPoint{midX, frame.Bottom - 1}, TPoint{client.X - 1, client.Y - 1}})
        EXPECT_EQ(PixelA(picture.at(p.X, p.Y)), 255u) << p.X << "," << p.Y;
      for (const TPoint p : {TPoint{client.X, client.Y}, TPoint{midX, midY}, TPoint{client.X + 399, client.Y + 299}})
        EXPECT_EQ(picture.at(p.X, p.Y), 0u) << p.X << "," << p.Y;
    }
  }
}

TEST(BorderPicture, HalfTransparentShadowIsPremultipliedForTheLayeredWindow) {
  const SlateModel slate = LoadSlate(96);
  const TacBorderFrame f = MainWindowFrame(*slate.Data);
  const PixelImage picture = PaintSlateBorder(*slate.Data, f, true);
  PixelImage handed(picture.width(), picture.height());
  PremultiplyInto(handed.view(), picture.view());
  const TRect frame = BorderFrameRect(f);
  const uint32_t straight = picture.at(frame.Left / 2, frame.Top + 50), out = handed.at(frame.Left / 2, frame.Top + 50);
  const uint32_t a = PixelA(straight);
  ASSERT_TRUE(a > 0 && a < 255);
  EXPECT_EQ(PixelA(out), a);
  for (const auto channel : {PixelR, PixelG, PixelB}) {
    EXPECT_LE(channel(out), a);
    EXPECT_EQ(channel(out), (channel(straight) * a + 127) / 255);
  }
}

TEST(BorderPicture, ClientLandsInTheHoleWhereTheOffsetsPutTheWindow) {
  // The window goes to the owner's top-left minus the offsets; the owner's client area
  // (system frame s, system caption, menu line, own border) must then meet the hole.
  struct Case {
    const char* name;
    int menu, borderWidth;
  } const cases[] = {{"plain", 0, 0}, {"menu line", 20, 0}, {"own border", 0, 2}, {"both", 20, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TacBorderMetrics m;
    m.ExBorderWidth = 8;
    m.Shadow = {13, 11, 13, 15};
    m.SysFrame = 3;
    m.SysCaptionHeight = 23;
    m.TitleHeight = m.CaptionHeight = 30;
    const TacBorderFrame f{m.Shadow, m.ExBorderWidth, m.TitleHeight, c.menu, c.borderWidth, {400, 300}};
    const TPoint clientInOwner{m.SysFrame + c.borderWidth, m.SysFrame + 23 + c.menu + c.borderWidth};
    const TPoint clientInBorder = BorderClientOffset(f);
    EXPECT_EQ(clientInBorder.X, BorderOffsetX(m) + clientInOwner.X);
    EXPECT_EQ(clientInBorder.Y, BorderOffsetY(m) + clientInOwner.Y);
    // The hole takes the menu line too, right under the title.
    EXPECT_EQ(BorderClientHole(clientInBorder, 400, 300, c.menu).Top, m.Shadow.Top + 30 + c.borderWidth);
    // The frame keeps e around the client on three sides and the title above.
    const TRect frame = BorderFrameRect(f);
    EXPECT_EQ(clientInBorder.X - frame.Left, 8 + c.borderWidth);
    EXPECT_EQ(frame.Right - (clientInBorder.X + 400), 8 + c.borderWidth);
    EXPECT_EQ(frame.Bottom - (clientInBorder.Y + 300), 8 + c.borderWidth);
  }
}

TEST(BorderPicture, TitleCentredOnItsLineWithTheSkinsOffset) {
  TacFormFrame form;
  form.BorderStyle = TacBorderStyle::bsSingle;
  form.Icons = {.SystemMenu = true, .Minimize = true, .Maximize = false};
  TacTitleSkin skin;
  skin.CloseHeight = 20;
  skin.GlyphWidth[tgClose] = skin.GlyphWidth[tgMin] = 30;
  const TacTitleInput in{form, SystemMenuRules(form), {424, 338}, 4, 0, 30, true, {}};
  for (const int offset : {0, 2}) {
    const TacTitleLayout t = BorderTitleLayout(in, skin, offset);
    EXPECT_EQ(t.VCenter, 15 + offset);
    EXPECT_EQ(t.Close.Rect, TRect::FromSize(424 - 4 - 30, 5 + offset, 30, 20));
    EXPECT_EQ(t.IconRect.Top, 15 + offset - 8);
  }
}

// A 10 x 8 picture, '#' coloured, '.' black (all channels 0), frame (2, 2, 8, 6).
TEST(BlurBehind, CornersBlackPixelsStayUnblurred) {
  const char* rows[] = {
      "..........",
      "..##..#...",
      ".#######..",
      "##########",
      "##########",
      ".#########",
      "...####.#.",
      "..........",
  };
  PixelImage picture(10, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) picture.at(x, y) = rows[y][x] == '#' ? 0xFF102030u : 0xFF000000u;
  const std::vector<TRect> region = BlurBehindRegion(picture.view(), {2, 2, 8, 6}, 2);
  auto covered = [&](int x, int y) {
    for (const TRect& r : region)
      if (r.Contains(x, y)) return true;
    return false;
  };
  // Inside the grown frame (1, 1, 9, 7): black pixels are cut only in the 2 x 2 corners.
  const char* expected[] = {
      "..........",
      "..#####...",
      ".#######..",
      ".########.",
      ".########.",
      ".########.",
      "...####.#.",
      "..........",
  };
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(covered(x, y), expected[y][x] == '#') << x << "," << y;
}

}  // namespace
