// The buttons' platform-free rules: states, staleness, caption places, focus frame dots,
// label colours.
#include <gtest/gtest.h>

#include "skin/controls/logic/acButtonLogic.h"
#include "skin/controls/logic/acLabelColor.h"

TEST(SpeedButtonLogic, CaptionRectangles) {
  struct Case {
    TacGlyphLayout layout;
    TacAlign align, textAlign;
    int g, gh, m, sp;
    TRect expected;
  } cases[] = {
      // The app buttons: no glyph, Margin -1, centred.
      {TacGlyphLayout::Left, TacAlign::Center, TacAlign::Center, 0, 0, 0, 0, {21, 2, 45, 19}},
      {TacGlyphLayout::Left, TacAlign::Right, TacAlign::Center, 0, 0, 3, 0, {39, 2, 63, 19}},
      {TacGlyphLayout::Left, TacAlign::Left, TacAlign::Left, 16, 16, 3, 4, {23, 2, 47, 19}},
      {TacGlyphLayout::Left, TacAlign::Left, TacAlign::Right, 0, 0, 3, 0, {3, 2, 27, 19}},
      {TacGlyphLayout::Right, TacAlign::Left, TacAlign::Center, 16, 16, 3, 4, {3, 2, 27, 19}},
      {TacGlyphLayout::Right, TacAlign::Center, TacAlign::Center, 16, 16, 0, 4, {11, 2, 35, 19}},
      {TacGlyphLayout::Right, TacAlign::Right, TacAlign::Right, 16, 16, 3, 4, {19, 2, 43, 19}},
      {TacGlyphLayout::Top, TacAlign::Center, TacAlign::Center, 0, 0, 0, 0, {21, 2, 45, 20}},
  };
  for (const Case& c : cases) {
    TacCaptionLayout l;
    l.W = 66, l.H = 22, l.tw = 24, l.th = 17;
    l.layout = c.layout, l.alignment = c.align, l.textAlignment = c.textAlign;
    l.g = c.g, l.gh = c.gh, l.m = c.m, l.sp = c.sp;
    EXPECT_EQ(SpeedButtonCaptionRect(l), c.expected)
        << static_cast<int>(c.layout) << "/" << static_cast<int>(c.align) << "/" << static_cast<int>(c.textAlign);
  }
  EXPECT_EQ(PressedShift({21, 2, 45, 19}), (TRect{22, 3, 46, 20}));
  EXPECT_EQ(ActMargin(-1, 144), 0);
  EXPECT_EQ(ActMargin(2, 144), 6);
}

TEST(SpeedButtonLogic, StatesAndStaleness) {
  EXPECT_EQ(SpeedButtonCurrentState({}), 0);
  EXPECT_EQ(SpeedButtonCurrentState({.defaultState = 1}), 1);
  EXPECT_EQ(SpeedButtonCurrentState({.down = true, .defaultState = 1}), 2);
  EXPECT_EQ(SpeedButtonCurrentState({.menuOpen = true}), 2);
  EXPECT_EQ(SpeedButtonCurrentState({.down = true, .menuOwnerMode = true}), 1);
  EXPECT_FALSE(SpeedButtonCacheStale({}));
  EXPECT_TRUE(SpeedButtonCacheStale({.currentState = 1}));
  EXPECT_TRUE(SpeedButtonCacheStale({.down = true}));
  EXPECT_TRUE(SpeedButtonCacheStale({.halfVisible = true}));
}

TEST(PushButtonLogic, StatesAndTheDefaultButtonsLook) {
  EXPECT_EQ(PushButtonCurrentState({.pushed = true, .mouseAbove = true, .leftHeldOnControl = true}), 2);
  EXPECT_EQ(PushButtonCurrentState({.pushed = true}), 2) << "pushed from the keyboard";
  EXPECT_EQ(PushButtonCurrentState({.pushed = true, .leftHeldOnControl = true}), 0) << "dragged off while held";
  EXPECT_EQ(PushButtonCurrentState({.down = true}), 2);
  EXPECT_EQ(PushButtonCurrentState({.isDefault = true}), 3);
  EXPECT_EQ(PushButtonCurrentState({.defaultState = 1, .isDefault = true}), 1);
  EXPECT_EQ(PushButtonCurrentState({}), 0);
  // Three states: the default button is painted hot; four: its own picture.
  EXPECT_EQ(PictureState(3, 3), 1);
  EXPECT_EQ(PictureState(3, 4), 3);
  EXPECT_EQ(PictureState(2, 2), 1);
  EXPECT_EQ(PictureState(3, 1), 0);
}

TEST(PushButtonLogic, CaptionAndFocusFrame) {
  const TRect text = PushButtonCaptionRect(75, 25, 24, 13);
  EXPECT_EQ(text, (TRect{25, 6, 49, 19}));
  EXPECT_EQ(FocusFrameRect(text, 1, 25), (TRect{23, 5, 51, 20}));
  EXPECT_EQ(FocusFrameRect({10, 1, 20, 24}, 1, 25), (TRect{8, 3, 22, 22}));
  const std::vector<TPoint> dots = FocusFrameDots({0, 0, 6, 5});
  for (TPoint p : dots) EXPECT_TRUE(p.X == 0 || p.X == 5 || p.Y == 0 || p.Y == 4);
  EXPECT_EQ(dots.size(), 8u);  // three along top and bottom, one more down each side
  // The frame's colour comes from a state the section has.
  EXPECT_EQ(FocusFrameColorState(1), 0);
  EXPECT_EQ(FocusFrameColorState(2), 1);
  EXPECT_EQ(FocusFrameColorState(3), 2);
}

TEST(LabelColor, SectionBelowParentOrOwn) {
  TacLabelColorInput in;
  in.ownFontColor = 0x0000FF;
  EXPECT_EQ(LabelTextColor(in), 0x0000FFu) << "no skin: the label's own colour";
  in.skinned = true;
  in.answered = true, in.validSection = true, in.sectionFontColor = 0x123456;
  EXPECT_EQ(LabelTextColor(in), 0x123456u) << "any section below, the skin's first one too";
  in.answered = false, in.parentFontColor = 0x00FF00;
  EXPECT_EQ(LabelTextColor(in), 0x00FF00u) << "nothing skinned below";
  in.answered = true, in.validSection = false, in.globalFontColor = 0x222222;
  EXPECT_EQ(LabelTextColor(in), 0x222222u);
  // Disabled black on white: mixed at 100 of 255.
  TacLabelColorInput disabled;
  disabled.enabled = false, disabled.ownFontColor = 0, disabled.parentColor = 0xFFFFFF;
  EXPECT_EQ(LabelTextColor(disabled), 0x9A9A9Au);
}
