// Show animations as recorded updates of the animation window: the opacity of every
// frame, where the picture stands in it, and the pacing of 12 ms per frame.
#include <gtest/gtest.h>

#include "skin/forms/logic/acShowAnimation.h"
#include "tests/animations/AnimRecorder.h"

namespace {

using Ints = std::vector<int>;

struct ShowCase {
  const char* name;
  int time;
  uint8_t blendValue;
  TacAnimType mode;
  Ints frames;  // opacity of every frame between the first and the final picture
};

TEST(ShowAnimation, FramesRiseFromZeroTowardsTheFormsOpacity) {
  const ShowCase cases[] = {
      {"opaque form, 100 ms zoom", 100, 255, atAero, {26, 51, 77, 102, 128, 154, 179, 205, 231}},
      {"opaque form, 100 ms fade", 100, 255, atFading, {26, 51, 77, 102, 128, 154, 179, 205, 231}},
      {"AlphaBlendValue 200 rises in steps of 18.75", 100, 200, atAero, {19, 38, 56, 75, 94, 112, 131, 150, 169}},
      {"AlphaBlendValue 40 never goes below 0", 100, 40, atAero, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"a time below one frame shows at once", 11, 255, atAero, {}},
      {"two frames: the last one already at the end value", 24, 255, atFading, {102, 205, 255}},
  };
  for (const ShowCase& c : cases) {
    SCOPED_TRACE(c.name);
    const PixelImage picture = OpaquePicture(320, 256);
    const TacShowSchedule schedule({320, 256}, c.time, c.blendValue, c.mode);
    std::vector<RecordedUpdate> log;
    RecordingWindow window(log);
    HandClock clock;
    const uint64_t start = clock.now;
    RunShowAnimation(picture.view(), schedule, {40, 30}, window, clock);

    ASSERT_EQ(log.size(), c.frames.size() + 2);
    // The whole picture stands at its place first: invisible, or at once at the end value.
    EXPECT_EQ(log.front().opacity, c.frames.empty() ? c.blendValue : 0);
    EXPECT_EQ(log.front().topLeft, (TPoint{40, 30}));
    EXPECT_EQ(window.shows, 1);
    EXPECT_EQ(Opacities(log, 1), [&] {
      Ints all = c.frames;
      all.push_back(c.blendValue);
      return all;
    }());
    // Frames stay where the window is; the final picture goes to the place once more.
    for (size_t i = 1; i + 1 < log.size(); ++i) EXPECT_FALSE(log[i].topLeft.has_value());
    EXPECT_EQ(log.back().topLeft, (TPoint{40, 30}));
    EXPECT_EQ(log.back().picture, picture);
    EXPECT_EQ(clock.now - start, c.frames.size() * 12) << "every frame lasts 12 ms";
  }
}

TEST(ShowAnimation, ZoomGrowsThePictureFrom30To32ths) {
  const PixelImage picture = OpaquePicture(320, 256);
  std::vector<RecordedUpdate> log;
  RecordingWindow window(log);
  HandClock clock;
  RunShowAnimation(picture.view(), TacShowSchedule({320, 256}, 100, 255, atAero), {0, 0}, window, clock);
  ASSERT_EQ(log.size(), 11u);
  const struct {
    size_t frame;
    TRect painted;
  } expected[] = {
      {0, TRect::FromSize(10, 8, 300, 240)},
      {4, TRect::FromSize(5, 4, 310, 248)},
      {8, TRect::FromSize(0, 0, 320, 256)},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.frame);
    EXPECT_EQ(log[e.frame + 1].painted, e.painted);
    EXPECT_EQ(log[e.frame + 1].size, (TPoint{320, 256})) << "frames are the picture's size";
  }
  // The last frame is the picture itself, stretched 1:1.
  EXPECT_EQ(log[9].picture, picture);
}

TEST(ShowAnimation, DropDownHalvesTheGapAtFullOpacityUntilItIsBelowTwoPixels) {
  const PixelImage picture = OpaquePicture(120, 400);
  std::vector<RecordedUpdate> log;
  RecordingWindow window(log);
  HandClock clock;
  RunShowAnimation(picture.view(), TacShowSchedule({120, 400}, 100, 200, atDropDown), {0, 0}, window, clock);
  Ints heights, opacities;
  for (size_t i = 1; i + 1 < log.size(); ++i) {
    heights.push_back(log[i].painted.Height());
    opacities.push_back(log[i].opacity);
    if (!log[i].painted.IsEmpty()) {
      EXPECT_EQ(log[i].painted.Width(), 120);
    }
  }
  EXPECT_EQ(heights, (Ints{0, 200, 300, 350, 375, 388, 394}));
  EXPECT_EQ(opacities, Ints(7, 255));
  EXPECT_EQ(log.back().opacity, 200);
  // A squashed frame shows the whole picture: its last row comes from the picture's last.
  EXPECT_EQ(log[2].picture.at(0, 199), picture.at(0, 399));
}

}  // namespace
