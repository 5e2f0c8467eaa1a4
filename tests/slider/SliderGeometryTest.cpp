#include <gtest/gtest.h>

#include "skin/controls/logic/acSliderGeometry.h"

namespace {

TacSliderShape Switch33x15(int sliderMargin, bool on) {
  TacSliderShape s;
  s.Width = 33;
  s.Height = 15;
  s.SliderOn = on;
  s.MarginRule = {.ImageThumb = false, .Skinned = true, .SliderMargin = sliderMargin, .StretchedPPI = -1};
  return s;
}

TEST(SliderGeometry, ANewSliderIsOnWithASquareThumbAtTheLeftAndReversedPutsItRight) {
  TacSliderShape s;  // 57 × 21, unskinned: one pixel of bevel around the thumb
  EXPECT_TRUE(ThumbAtStart(s));
  EXPECT_EQ(ThumbRect(s), TRect::FromSize(1, 1, 19, 19));
  s.Reversed = true;
  EXPECT_FALSE(ThumbAtStart(s));
  EXPECT_EQ(ThumbRect(s), TRect::FromSize(57 - 19 - 1, 1, 19, 19));
}

TEST(SliderGeometry, TheProgramsSwitchHasASquareThumbInsideTheSkinsMargin) {
  for (int m : {0, 1, 2}) {
    const int side = 15 - 2 * m;
    EXPECT_EQ(ThumbRect(Switch33x15(m, true)), TRect::FromSize(m, m, side, side)) << "margin " << m;
    EXPECT_EQ(ThumbRect(Switch33x15(m, false)), TRect::FromSize(33 - side - m, m, side, side)) << "margin " << m;
  }
}

TEST(SliderGeometry, MarginsComeFromOffsetsImagesBevelOrTheSkin) {
  TacOffset offsets;
  offsets.SetLeft(3);
  offsets.SetBottom(2);
  TacSliderShape s = Switch33x15(1, true);
  s.Offsets = &offsets;
  struct Case {
    TacThumbMarginRule rule;
    int left, right, bottom;
  };
  const Case cases[] = {
      {{.ImageThumb = true, .Skinned = true, .SliderMargin = 4}, 3, 0, 2},
      {{.ImageThumb = false, .Skinned = false, .SliderMargin = 4}, 4, 1, 3},
      {{.ImageThumb = false, .Skinned = true, .SliderMargin = 4}, 7, 4, 6},
      {{.ImageThumb = false, .Skinned = true, .SliderMargin = 4, .StretchedPPI = 144}, 9, 6, 8},
  };
  for (const Case& c : cases) {
    s.MarginRule = c.rule;
    EXPECT_EQ(ThumbMargin(s, TacThumbSide::Left), c.left);
    EXPECT_EQ(ThumbMargin(s, TacThumbSide::Right), c.right);
    EXPECT_EQ(ThumbMargin(s, TacThumbSide::Bottom), c.bottom);
  }
}

TEST(SliderGeometry, OffsetChangesAreAnnouncedOnlyWhenTheValueChanges) {
  TacOffset offsets;
  int changes = 0;
  offsets.OnChange = [&] { ++changes; };
  offsets.SetTop(0);
  offsets.SetTop(2);
  offsets.SetTop(2);
  offsets.SetRight(-1);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(offsets.Of(TacThumbSide::Top), 2);
  EXPECT_EQ(offsets.Of(TacThumbSide::Right), -1);
}

TEST(SliderGeometry, WhileDraggedTheThumbKeepsItsPlaceAlongTheTrack) {
  const TacSliderShape s = Switch33x15(1, false);
  EXPECT_EQ(ThumbRect(s, true, TRect::FromSize(8, 5, 13, 13)), TRect::FromSize(8, 1, 13, 13));
}

TEST(SliderGeometry, VerticalAndPercentSizedThumbs) {
  TacSliderShape s = Switch33x15(1, true);
  s.Orientation = TacSliderOrientation::Vertical;
  s.Width = 15;
  s.Height = 40;
  EXPECT_EQ(ThumbRect(s), TRect::FromSize(1, 1, 13, 13));
  s.SliderOn = false;
  EXPECT_EQ(ThumbRect(s), TRect::FromSize(1, 40 - 13 - 1, 13, 13));
  s.KeepThumbAspectRatio = false;
  s.ThumbSizeInPercent = 30;
  EXPECT_EQ(ThumbRect(s), TRect::FromSize(1, 40 - 12 - 1, 13, 12));
}

// The thresholds of the two directions differ: the far-end one uses the free travel,
// the reversed one the thumb's own size.
TEST(SliderGeometry, LettingGoDecidesTheStateByWhereTheThumbIs) {
  struct Case {
    bool vertical, reversed;
    int pos;
    bool on;
  };
  const Case cases[] = {
      // 33 × 15, thumb 13: on while left < Round(20·0.5) − 1 = 9.
      {false, false, 8, true}, {false, false, 9, false},
      // reversed: on while left > 1 + Round(13·0.5) = 7 (6.5 rounds to even 6 → 1 + 6 = 7).
      {false, true, 7, false}, {false, true, 8, true},
      // vertical 15 × 33: the same numbers along y.
      {true, false, 8, true}, {true, false, 9, false}, {true, true, 7, false}, {true, true, 8, true},
  };
  for (const Case& c : cases) {
    TacSliderShape s = Switch33x15(1, true);
    s.Reversed = c.reversed;
    if (c.vertical) {
      s.Orientation = TacSliderOrientation::Vertical;
      std::swap(s.Width, s.Height);
    }
    const TRect thumb = c.vertical ? TRect::FromSize(1, c.pos, 13, 13) : TRect::FromSize(c.pos, 1, 13, 13);
    EXPECT_EQ(StateFromThumbPos(s, thumb), c.on) << c.vertical << c.reversed << " at " << c.pos;
  }
}

TEST(SliderGeometry, ContentGoesBesideTheThumb) {
  TacSliderShape s = Switch33x15(1, true);
  const int i = 2;
  EXPECT_EQ(SliderContentRect(s, ThumbRect(s), i), (TRect{13 - i, i, 33 - i, 15 - i}));
  s.SliderOn = false;
  EXPECT_EQ(SliderContentRect(s, ThumbRect(s), i), (TRect{i, i, i + 33 - 13, 15 - i}));
}

TEST(SliderGeometry, AutoSizeFitsTheLongerCaptionAndTheGlyph) {
  TacSliderShape s;
  TacSliderAutoSizeInput in{.Scale8 = 8, .ShowCaption = true, .CaptionOnWidth = 20, .CaptionOffWidth = 25,
                            .CaptionOnHeight = 13};
  EXPECT_EQ(SliderAutoSize(s, in), (TacSize{3 * 8 + 2 * 25, 13 + 8}));
  in.HasImages = true;
  in.ImageWidth = 16;
  in.ImageHeight = 16;
  EXPECT_EQ(SliderAutoSize(s, in), (TacSize{3 * 8 + 18 + 50, 16 + 8}));
  in.ShowCaption = false;
  EXPECT_EQ(SliderAutoSize(s, in), (TacSize{18, 16}));
}

}  // namespace
