// The switch's pictures from the real Slate skin: a filled accent track with a white dot
// when on, an outlined white track with a dark dot when off.
#include <gtest/gtest.h>

#include "skin/controls/logic/acSliderGeometry.h"
#include "skin/controls/logic/acSliderPaint.h"
#include "tests/support/SlateFixture.h"

namespace {

constexpr uint32_t kFormFace = 0xFFF0F0F0;
constexpr uint32_t kAccentFace = 0xC06700;  // SLIDER_ON's COLOR, COLORREF-style
uint32_t Rgb(uint32_t pixel) { return PixelToColor(pixel); }

class SliderPaint : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    slate = LoadSlate(GetParam());
    parent = PixelImage(200, 100, kFormFace);
  }
  int Scaled(int v) const { return v * GetParam() / 96; }
  // The track of the program's switch (33 × 15 at 96 PPI) at (40, 30) on the form.
  PixelImage Track(bool on) {
    PixelImage cache(Scaled(33), Scaled(15));
    const int index = SliderTrackSkinIndex(slate.Data->Sections, on);
    PaintSliderTrack(*slate.Data, index, MakeCacheInfo(parent.view()), cache.view(), {40, 30});
    return cache;
  }
  PixelImage Thumb(bool on, const PixelImage& track) {
    TacSliderShape shape;
    shape.Width = track.width();
    shape.Height = track.height();
    shape.SliderOn = on;
    shape.MarginRule = {.ImageThumb = false, .Skinned = true, .SliderMargin = slate.Data->SliderMargin};
    const TRect r = ThumbRect(shape);
    PixelImage cache(r.Width(), r.Height(), 0xFF123456);
    TacElementOwnerData owner;
    owner.Data = slate.Data.get();
    owner.Index = slate.Data->GetSkinIndex(SliderThumbSection(false, "", on, true));
    owner.Parent = true;
    PaintSliderThumb(owner, MakeCacheInfo(track.view()), cache.view(), {r.Left, r.Top});
    thumbAt = r;
    return cache;
  }

  SlateModel slate;
  PixelImage parent;
  TRect thumbAt;
};

TEST_P(SliderPaint, TheOnTrackIsAnAccentPillOverTheForm) {
  const PixelImage track = Track(true);
  const int cx = track.width() / 2, cy = track.height() / 2;
  EXPECT_EQ(Rgb(track.at(cx, cy)), kAccentFace);
  EXPECT_EQ(track.at(0, 0), kFormFace);  // outside the rounded end the form shows
  EXPECT_EQ(track.at(track.width() - 1, track.height() - 1), kFormFace);
}

TEST_P(SliderPaint, TheOffTrackIsWhiteInsideAGreyLine) {
  const PixelImage track = Track(false);
  const int cx = track.width() / 2, cy = track.height() / 2;
  EXPECT_EQ(Rgb(track.at(cx, cy)), 0xFFFFFFu);
  const uint32_t line = track.at(cx, 0);
  EXPECT_LT(PixelR(line), 0xA0u);
  EXPECT_LT(PixelB(line), 0xB0u);
  EXPECT_EQ(track.at(0, 0), kFormFace);
}

TEST_P(SliderPaint, TheThumbIsADotOverTheTrackUnderIt) {
  for (bool on : {true, false}) {
    const PixelImage track = Track(on);
    const PixelImage thumb = Thumb(on, track);
    ASSERT_EQ(thumb.width(), thumb.height());
    const int c = thumb.width() / 2;
    const uint32_t dot = Rgb(thumb.at(c, c));
    if (on)
      EXPECT_EQ(dot, 0xFFFFFFu);
    else
      EXPECT_EQ(dot, 0x4B433Du);  // THUMB_OFF's COLOR
    // Around the dot the thumb shows the track picture under it.
    EXPECT_EQ(Rgb(thumb.at(0, c)), Rgb(track.at(thumbAt.Left, thumbAt.Top + c))) << on;
    EXPECT_EQ(Rgb(thumb.at(1, 1)), Rgb(track.at(thumbAt.Left + 1, thumbAt.Top + 1))) << on;
  }
}

INSTANTIATE_TEST_SUITE_P(Densities, SliderPaint, ::testing::Values(96, 144));

TEST(SliderSections, TheTrackFallsBackToTheLowPanelAndTheThumbToThePanel) {
  TacSectionTable sections;
  sections.fill(-1);
  sections[ssPanelLow] = 7;
  sections[ssSlider_Off] = 3;
  EXPECT_EQ(SliderTrackSkinIndex(sections, false), 3);
  EXPECT_EQ(SliderTrackSkinIndex(sections, true), 7);
  sections[ssPanelLow] = -1;
  EXPECT_EQ(SliderTrackSkinIndex(sections, true), -1);

  EXPECT_EQ(SliderThumbSection(false, "", true, true), "THUMB_ON");
  EXPECT_EQ(SliderThumbSection(false, "", false, true), "THUMB_OFF");
  EXPECT_EQ(SliderThumbSection(false, "", false, false), "PANEL");
  EXPECT_EQ(SliderThumbSection(false, "MYTHUMB", false, true), "MYTHUMB");
  EXPECT_EQ(SliderThumbSection(true, "MYTHUMB", false, true), "CHECKBOX");
}

TEST(SliderSections, SlateHasItsOwnSliderSections) {
  const SlateModel slate = LoadSlate(96);
  const TacSkinData& d = *slate.Data;
  EXPECT_EQ(SliderTrackSkinIndex(d.Sections, true), d.GetSkinIndex("SLIDER_ON"));
  EXPECT_EQ(SliderTrackSkinIndex(d.Sections, false), d.GetSkinIndex("SLIDER_OFF"));
  EXPECT_GE(d.GetSkinIndex("THUMB_ON"), 0);
  EXPECT_EQ(d.SliderMargin, 1);
}

}  // namespace
