// Item pictures from the fixture skin: hot and normal backgrounds and text colours, the
// check mark, separators, caption items, tabs, right-aligned captions, the disabled blend.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/data/acSkinData.h"
#include "skin/forms/logic/acMenuItemPaint.h"
#include "skin/paint/acTextRecorder.h"
#include "tests/popup_menus/MenuFixture.h"

namespace {

uint32_t Rgb(const PixelImage& p, int x, int y) { return PixelToColor(p.at(x, y)); }

class MenuItemPaintTest : public ::testing::Test {
 protected:
  MenuItemPaintTest() : skin_(LoadMenuSkin(96)) {
    TacMenuPictureSpec spec;
    spec.Size = {76, 50};
    picture_ = BuildMenuPicture(*skin_.Data, spec);
  }
  PixelImage Paint(const TacMenuItemLook& look, TRect item = {3, 3, 61, 25}) {
    return PaintMenuItem(*skin_.Data, picture_, item, look, style_, painter_);
  }
  static TacMenuItemLook Look(std::u16string caption, bool selected = false) {
    TacMenuItemLook look;
    look.Caption = std::move(caption);
    look.Selected = selected;
    look.Font.Height = -12;
    look.CaptionFont.Height = -12;
    return look;
  }
  const TacTextRecorder::Call* CallFor(std::u16string_view text) const {
    for (const auto& c : painter_.calls)
      if (c.Text == text) return &c;
    return nullptr;
  }

  LoadedModel skin_;
  TacMenuPicture picture_;
  TacMenuItemStyle style_;
  TacTextRecorder painter_;
};

TEST_F(MenuItemPaintTest, NormalAndHotItemsTakeTheirStatesColours) {
  struct Case {
    bool selected;
    uint32_t background, text;
  } cases[] = {{false, 0xFFFFFF, 0x000000}, {true, kHot, kHotText}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selected ? "hot" : "normal");
    painter_.calls.clear();
    const PixelImage item = Paint(Look(u"卸载", c.selected));
    ASSERT_EQ(item.width(), 58);
    ASSERT_EQ(item.height(), 22);
    EXPECT_EQ(Rgb(item, 1, 1), c.background);
    EXPECT_EQ(Rgb(item, 57, 21), c.background);
    const auto* call = CallFor(u"卸载");
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->Color, c.text);
    // Text starts after the glyph column: 16 + 2 x 2 + 8.
    EXPECT_EQ(call->R.Left, 28);
    // The first character's box, vertically centred in the item less its margins.
    EXPECT_EQ(Rgb(item, 29, 11), c.text);
  }
}

TEST_F(MenuItemPaintTest, DisabledItemsAreBlendedWithThePopupPicture) {
  TacMenuItemLook look = Look(u"卸载", true);
  look.Enabled = false;
  const PixelImage item = Paint(look);
  // Disabled items are never hot: the normal background, the disabled text colour mixed in.
  EXPECT_EQ(Rgb(item, 1, 1), 0xFFFFFFu);
  ASSERT_NE(CallFor(u"卸载"), nullptr);
  EXPECT_NE(Rgb(item, 29, 11), 0x000000u);  // lighter than the enabled text
  EXPECT_NE(Rgb(item, 29, 11), 0xFFFFFFu);
}

TEST_F(MenuItemPaintTest, ACheckedItemWithoutAnImageGetsTheBuiltInCheckInItsFontColour) {
  TacMenuItemLook look = Look(u"提示", true);
  const PixelImage unchecked = Paint(look);
  look.Checked = true;
  const PixelImage checked = Paint(look);
  int ink = 0;
  for (int y = 0; y < 22; ++y)
    for (int x = 2; x < 18; ++x) {
      EXPECT_EQ(Rgb(unchecked, x, y), kHot);
      ink += Rgb(checked, x, y) == kHotText;
    }
  EXPECT_GT(ink, 10);
}

TEST_F(MenuItemPaintTest, ATabShowsTheRestRightAlignedEightPixelsFromTheEdge) {
  Paint(Look(u"Open\tCtrl+O"));
  const auto* left = CallFor(u"Open");
  const auto* right = CallFor(u"Ctrl+O");
  ASSERT_NE(left, nullptr);
  ASSERT_NE(right, nullptr);
  EXPECT_EQ(right->R.Right, 58 - 8);
  EXPECT_TRUE(right->Format & tfRight);
  EXPECT_FALSE(left->Format & tfRight);
}

TEST_F(MenuItemPaintTest, ACaptionStartingWithBackspaceIsRightAligned) {
  Paint(Look(u"\bExit"));
  const auto* call = CallFor(u"Exit      ");
  ASSERT_NE(call, nullptr);
  EXPECT_TRUE(call->Format & tfRight);
}

TEST_F(MenuItemPaintTest, CaptionItemsShowTheirWordCentredOnTheCaptionBand) {
  const PixelImage item = Paint(Look(u"-Tools-"), {3, 3, 61, 22});
  EXPECT_EQ(Rgb(item, 0, 0), kCaptionBand);
  const auto* call = CallFor(u"Tools");
  ASSERT_NE(call, nullptr);
  EXPECT_TRUE(call->Format & tfCenter);
  EXPECT_EQ(call->Font.Height, -12);
}

TEST_F(MenuItemPaintTest, SeparatorsUseTheDividerMaskElseAPlainLine) {
  const PixelImage masked = Paint(Look(u"-"), {3, 3, 61, 5});
  EXPECT_EQ(Rgb(masked, 1, 0), 0xFFFFFFu);  // left of the line: the margin
  EXPECT_EQ(Rgb(masked, 2, 0), kDividerLine);
  EXPECT_EQ(Rgb(masked, 55, 0), kDividerLine);
  EXPECT_EQ(Rgb(masked, 56, 0), 0xFFFFFFu);
  EXPECT_EQ(Rgb(masked, 20, 1), 0xFFFFFFu);

  const LoadedModel plain = LoadMenuSkin(96, false);
  TacMenuItemStyle style;
  style.LineColor = 0x123456;
  TacMenuPictureSpec spec;
  spec.Size = {76, 50};
  const TacMenuPicture picture = BuildMenuPicture(*plain.Data, spec);
  const PixelImage line = PaintMenuItem(*plain.Data, picture, {3, 3, 61, 5}, Look(u"-"), style, painter_);
  EXPECT_EQ(Rgb(line, 2, 0), 0x123456u);
  EXPECT_EQ(Rgb(line, 2, 1), 0xFFFFFFu);
}

TEST_F(MenuItemPaintTest, TheDefaultItemIsBold) {
  TacMenuItemLook look = Look(u"卸载");
  look.Default = true;
  Paint(look);
  ASSERT_NE(CallFor(u"卸载"), nullptr);
  EXPECT_EQ(CallFor(u"卸载")->Font.Weight, 700);
}

}  // namespace
