#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/logic/acSliderToggle.h"

namespace {

std::vector<int> Positions(const std::vector<TacSliderFrame>& frames) {
  std::vector<int> v;
  for (const auto& f : frames) v.push_back(f.ThumbPos);
  return v;
}
std::vector<int> Weights(const std::vector<TacSliderFrame>& frames) {
  std::vector<int> v;
  for (const auto& f : frames) v.push_back(f.Weight);
  return v;
}

// The program's 33 × 15 switch with a one-pixel margin: the thumb (13 wide) travels
// between 1 and 19. Remaining way after k frames: 18·(2/3)^k; the loop ends below 0.1,
// which takes 13 frames (18·(2/3)^13 ≈ 0.092). Weights: 255·remaining/19, rounded.
TEST(SliderToggleFrames, OnToOffSlidesThirteenFramesAndFadesTowardTheEndPicture) {
  const auto frames = SliderToggleFrames(1, 19, kSkinnedSlideDivisor, false);
  EXPECT_EQ(Positions(frames), (std::vector<int>{7, 11, 14, 15, 17, 17, 18, 18, 19, 19, 19, 19, 19}));
  EXPECT_EQ(Weights(frames), (std::vector<int>{161, 107, 72, 48, 32, 21, 14, 9, 6, 4, 3, 2, 1}));
  // Less than a pixel left from the eighth frame on (remaining 18·(2/3)^8 ≈ 0.70).
  for (size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(frames[i].WithinOnePixel, i >= 7) << i;
}

TEST(SliderToggleFrames, OffToOnMirrorsItAndFadesTowardTheStartPicture) {
  const auto frames = SliderToggleFrames(19, 1, kSkinnedSlideDivisor, true);
  EXPECT_EQ(Positions(frames), (std::vector<int>{13, 9, 6, 5, 3, 3, 2, 2, 1, 1, 1, 1, 1}));
  // 255 − 255·p/19 with p = 1 + 18·(2/3)^k: 81 first, never quite 255 (240 last).
  EXPECT_EQ(Weights(frames), (std::vector<int>{81, 134, 170, 194, 210, 220, 227, 232, 235, 237, 239, 240, 240}));
}

TEST(SliderToggleFrames, TwentyPixelsTakeFourteenFramesSkinnedAndNineteenPlain) {
  EXPECT_EQ(SliderToggleFrames(1, 21, kSkinnedSlideDivisor, false).size(), 14u);
  EXPECT_EQ(SliderToggleFrames(1, 21, kPlainSlideDivisor, false).size(), 19u);
}

TEST(SliderToggleFrames, WithoutTravelOrWithAZeroEndPositionTheThumbJumps) {
  EXPECT_TRUE(SliderToggleFrames(0, 0, kSkinnedSlideDivisor, true).empty());
  EXPECT_TRUE(SliderToggleFrames(4, 4, kSkinnedSlideDivisor, false).empty());
  // Moving to the start from 0 (negative custom margins): the weight would divide by 0.
  EXPECT_TRUE(SliderToggleFrames(0, -3, kSkinnedSlideDivisor, true).empty());
  EXPECT_TRUE(SliderToggleFrames(-3, 0, kSkinnedSlideDivisor, false).empty());
  // From 0 toward a real end is fine: the weight divides by the end.
  EXPECT_FALSE(SliderToggleFrames(0, 20, kSkinnedSlideDivisor, false).empty());
}

TEST(SliderCrossFade, EachChannelMovesFromAToBByTheWeight) {
  PixelImage a(2, 1), b(2, 1), out(2, 1);
  a.at(0, 0) = 0x10FF0080;
  b.at(0, 0) = 0xF000FF40;
  a.at(1, 0) = 0xFFFFFFFF;
  b.at(1, 0) = 0xFFFFFFFF;
  struct Case {
    uint8_t w;
    uint32_t first;
  };
  // (a·256 + (b − a)·w) >> 8 per channel: w 0 keeps a, 255 stops one step short of b.
  const Case cases[] = {
      {0, 0x10FF0080},
      {255, 0xEF00FE40},  // alpha (16·256 + 224·255) >> 8 = 239; red 255·1 >> 8 = 0 ...
      {128, 0x807F7F60},  // alpha (4096 + 224·128) >> 8 = 128; red (65280 − 255·128) >> 8 = 127
  };
  for (const Case& c : cases) {
    CrossFade(out.view(), a.view(), b.view(), c.w);
    EXPECT_EQ(out.at(0, 0), c.first) << int(c.w);
    EXPECT_EQ(out.at(1, 0), 0xFFFFFFFFu) << int(c.w);
  }
}

TEST(SliderCrossFade, MayWriteIntoOneOfItsInputs) {
  PixelImage a(3, 2, 0xFF000000), b(3, 2, 0xFF0000FF);
  CrossFade(a.view(), a.view(), b.view(), 64);
  EXPECT_EQ(a.at(2, 1), 0xFF00003Fu);  // (255·64) >> 8 = 63
}

class StepClock final : public IacFrameClock {
 public:
  uint64_t NowMs() override { return now; }
  void GiveWay() override {
    ++yields;
    now += 5;
  }
  uint64_t now = 1000;
  int yields = 0;
};

TEST(SliderFramePacing, AFrameLastsAtLeastTwelveMilliseconds) {
  StepClock clock;
  WaitFrameEnd(clock, clock.now);
  EXPECT_EQ(clock.now, 1015u);  // three yields of 5 ms
  EXPECT_EQ(clock.yields, 3);
  const uint64_t late = clock.now - 20;  // the frame took longer already: no wait
  WaitFrameEnd(clock, late);
  EXPECT_EQ(clock.yields, 3);
}

}  // namespace
