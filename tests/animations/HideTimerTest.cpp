// The hide animation as recorded updates: the picture at its start opacity, N + 1 frames
// on hand-ticked 12 ms timer ticks, one event, the window freed and the timer parked.
#include <gtest/gtest.h>

#include "skin/forms/logic/acHideTimer.h"
#include "tests/animations/AnimRecorder.h"

namespace {

using Ints = std::vector<int>;

class HideTimer : public ::testing::Test {
 protected:
  TacHideRequest Request(int time, TacAnimType mode, uint8_t startAlpha, TPoint size = {256, 128}) {
    TacHideRequest r;
    r.Window = std::make_unique<RecordingWindow>(log, &freed);
    r.Picture = OpaquePicture(size.X, size.Y);
    r.Time = time;
    r.Mode = mode;
    r.StartAlpha = startAlpha;
    r.AfterHiding = [this] { ++events; };
    return r;
  }
  // Ticks until the timer stops; answers the ticks taken.
  int RunOut() {
    int ticks = 0;
    while (timers.Tick() > 0 && ticks < 100) ++ticks;
    return ticks;
  }

  HandTimers timers;
  TacHideTimer hide{timers.Starter()};
  std::vector<RecordedUpdate> log;
  int freed = 0;
  int events = 0;
};

TEST_F(HideTimer, ZoomOutFadesInNinePlusOneFramesAndShrinksBy1Over256PerSide) {
  hide.Start(Request(100, atAero, 255));
  EXPECT_EQ(timers.lastInterval, 12);
  EXPECT_EQ(Opacities(log), (Ints{255, 223})) << "the whole picture, then the first frame at once";
  EXPECT_EQ(RunOut(), 9);
  EXPECT_EQ(Opacities(log), (Ints{255, 223, 191, 159, 128, 96, 64, 32, 0, 0}));
  // 256 x 128: one pixel across and half a pixel down per side per frame.
  EXPECT_EQ(log[1].painted, TRect::FromSize(0, 0, 256, 128));
  EXPECT_EQ(log[2].painted, TRect::FromSize(1, 0, 254, 127)) << "half a pixel rounds to even";
  EXPECT_EQ(log[5].painted, TRect::FromSize(4, 2, 248, 124));
  EXPECT_EQ(log[9].painted, TRect::FromSize(8, 4, 240, 120)) << "ends at 30/32 of the size";
  EXPECT_EQ(events, 1);
  EXPECT_EQ(freed, 1);
  EXPECT_FALSE(hide.Running());
  EXPECT_FALSE(hide.Enabled());
  EXPECT_EQ(hide.Interval(), TacHideTimer::kParkedInterval);
  EXPECT_EQ(timers.Live(), 0);
}

TEST_F(HideTimer, ModesAndStartOpacities) {
  const struct {
    const char* name;
    int time;
    TacAnimType mode;
    uint8_t start;
    Ints opacities;  // every update, the whole picture first
    Ints heights;    // painted height of every frame
  } cases[] = {
      {"a translucent form starts at its own opacity", 100, atFading, 200,
       {200, 175, 150, 125, 100, 75, 50, 25, 0, 0}, {128, 128, 128, 128, 128, 128, 128, 128, 128}},
      {"drop-down keeps the opacity and halves the height until below 2", 100, atDropDown, 255,
       {255, 255, 255, 255, 255, 255, 255, 255}, {128, 64, 32, 16, 8, 4, 2}},
      {"drop-down of few steps ends after N + 1 frames", 24, atDropDown, 255,
       {255, 255, 255, 255}, {128, 64, 32}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    log.clear();
    events = 0;
    hide.Start(Request(c.time, c.mode, c.start));
    RunOut();
    EXPECT_EQ(Opacities(log), c.opacities);
    Ints heights;
    for (size_t i = 1; i < log.size(); ++i) heights.push_back(log[i].painted.Height());
    EXPECT_EQ(heights, c.heights);
    EXPECT_EQ(events, 1);
    EXPECT_FALSE(hide.Running());
  }
}

TEST_F(HideTimer, ATimeBelowOneFrameLetsTheWindowVanishAtOnce) {
  hide.Start(Request(11, atAero, 255));
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(freed, 1);
  EXPECT_EQ(timers.Live(), 0);
  EXPECT_EQ(events, 0) << "no animation, no event";
}

TEST_F(HideTimer, ASecondHideFreesTheFirstWindowAtOnceAndOnlyTheSecondFormHears) {
  int firstEvents = 0;
  TacHideRequest first = Request(100, atAero, 255);
  first.AfterHiding = [&] { ++firstEvents; };
  hide.Start(std::move(first));
  timers.Tick();
  timers.Tick();
  EXPECT_EQ(freed, 0);
  hide.Start(Request(100, atAero, 255));
  EXPECT_EQ(freed, 1) << "the first window is gone before the second frame";
  RunOut();
  EXPECT_EQ(firstEvents, 0);
  EXPECT_EQ(events, 1);
  EXPECT_EQ(freed, 2);
}

TEST_F(HideTimer, AHideStartedFromTheEventOfTheLastOneRunsToItsOwnEnd) {
  int secondEvents = 0;
  TacHideRequest first = Request(36, atFading, 255);
  first.AfterHiding = [&] {
    TacHideRequest second = Request(36, atFading, 255);
    second.AfterHiding = [&] { ++secondEvents; };
    hide.Start(std::move(second));
  };
  hide.Start(std::move(first));
  RunOut();
  EXPECT_EQ(secondEvents, 1);
  EXPECT_EQ(Opacities(log), (Ints{255, 170, 85, 0, 0, 255, 170, 85, 0, 0}));
  EXPECT_EQ(freed, 2);
  EXPECT_EQ(timers.Live(), 0) << "no timer left ticking";
}

TEST_F(HideTimer, WhileTheProgramEndsAllFramesRunAtOnceTwelveMillisecondsApart) {
  HandClock clock;
  const uint64_t start = clock.now;
  hide.Start(Request(100, atAero, 255), &clock);
  EXPECT_EQ(Opacities(log), (Ints{255, 223, 191, 159, 128, 96, 64, 32, 0, 0}));
  EXPECT_EQ(clock.now - start, 9u * 12);
  EXPECT_EQ(events, 1);
  EXPECT_EQ(freed, 1);
  EXPECT_EQ(timers.Live(), 0) << "no timer was started";
}

TEST(HideTimerLifetime, DestroyingARunningTimerFiresThePendingEventOnceAndFreesTheWindow) {
  HandTimers timers;
  std::vector<RecordedUpdate> log;
  int freed = 0, events = 0;
  {
    TacHideTimer hide(timers.Starter());
    TacHideRequest r;
    r.Window = std::make_unique<RecordingWindow>(log, &freed);
    r.Picture = OpaquePicture(64, 64);
    r.Time = 100;
    r.AfterHiding = [&] { ++events; };
    hide.Start(std::move(r));
  }
  EXPECT_EQ(events, 1);
  EXPECT_EQ(freed, 1);
  EXPECT_EQ(timers.Live(), 0);
}

}  // namespace
