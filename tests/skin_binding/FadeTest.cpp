// State fades as sequences of values: steps, their v, the pictures shown, and when a fade
// is allowed at all. Timers tick by hand; no wall-clock time.
#include <gtest/gtest.h>

#include "skin/data/sSkinManager.h"
#include "skin/paint/acFadeTimer.h"
#include "skin/base/acSkinCommands.h"
#include "tests/skin_binding/BindingSkin.h"
#include "tests/skin_binding/FakeOwner.h"

namespace {

using Values = std::vector<int>;

class Fades : public ::testing::Test {
 protected:
  Fades() {
    for (FakeOwner* o : {&form, &button.owner}) o->Data().SetSkinManager(skin.manager.get());
    form.Data().SetSkinSection("WHITE");
    button.owner.Data().SetSkinSection("THREESTATE");
    form.Data().Loaded(false);
    button.owner.Data().Loaded(false);
    button.owner.SendToSelf(SC_PREPARECACHE, 0, 0);
  }
  TsCommonData& Data() { return button.owner.Data(); }
  TacThreadedTimer& Timer() { return *Data().AnimTimer(); }

  void To(int state, bool quick) {
    button.state = state;
    Data().FMouseAbove = state == 1;
    Data().BGChanged = false;
    ChangeStateAnimated(Data(), state, step, state == 1, quick, true);
  }
  // Back to a button that never faded (between the cases of a table).
  void Reset() {
    if (!Data().AnimTimer()) return;
    Data().StopFade();
    Timer().Glow = 0;
    button.state = 0;
    button.owner.SendToSelf(SC_PREPARECACHE, 0, 0);
  }
  // Ticks until the fade's timer has stopped; answers the ticks taken.
  int RunOut() {
    int ticks = 0;
    while (timers.Tick() > 0 && ticks < 200) ++ticks;
    return ticks;
  }
  // The values of the frames shown since `from`.
  Values Since(size_t from) const { return Values(button.glows.begin() + static_cast<long>(from), button.glows.end()); }

  BindingSkin skin;
  ManualTimers timers;
  FakeOwner form{nullptr, {0, 0, 300, 200}, 1, false, &timers};
  FakeButton button{&form, {10, 10, 97, 32}, timers};
  TacFadeStep step = &GraphicFadeStep;
};

}  // namespace

TEST_F(Fades, EnteringFadesToHotInSixStepsOfTwelveMilliseconds) {
  To(1, false);
  EXPECT_EQ(button.glows, (Values{42})) << "the first step is shown at once";
  EXPECT_EQ(timers.lastInterval, kFadeInterval);
  RunOut();
  EXPECT_EQ(button.glows, (Values{42, 85, 128, 170, 212, 255}));
  // From a black to a white picture the channel is the step's value.
  EXPECT_EQ(button.frames, button.glows);
  EXPECT_EQ(timers.Live(), 0);
  EXPECT_FALSE(Data().FadeRunning());
}

TEST_F(Fades, LeavingAfterAFullHoverFadesBackInEighteenStepsAndStops) {
  To(1, false);
  RunOut();
  const size_t before = button.glows.size();
  To(0, false);
  RunOut();
  const Values leave = Since(before);
  ASSERT_EQ(leave.size(), 18u);
  EXPECT_EQ(leave.front(), 241);
  EXPECT_EQ(leave.back(), 0);
  EXPECT_TRUE(std::is_sorted(leave.rbegin(), leave.rend()));
  EXPECT_EQ(button.frames.back(), 0) << "ends on the normal picture";
  EXPECT_EQ(Timer().State, -1);
  EXPECT_TRUE(Timer().BmpFrom.empty() && Timer().BmpTo.empty() && Timer().BmpOut.empty());
}

TEST_F(Fades, APressIsQuickAndTheReleaseToHotTakesAtMostSixSteps) {
  To(1, false);
  RunOut();
  size_t before = button.glows.size();
  To(2, true);
  RunOut();
  EXPECT_EQ(Since(before), (Values{170, 85, 0}));
  EXPECT_EQ(button.frames.back(), 0x80) << "the pressed picture";
  before = button.glows.size();
  To(1, true);
  RunOut();
  EXPECT_EQ(Since(before), (Values{42, 85, 128, 170, 212, 255}));
  EXPECT_EQ(button.frames.back(), 0xFF);
}

TEST_F(Fades, LeavingBeforeTheHoverEndedStartsFromWhereItWas) {
  To(1, false);
  timers.Tick();
  timers.Tick();
  ASSERT_EQ(button.glows.back(), 128);
  const size_t before = button.glows.size();
  To(0, false);
  const int ticks = RunOut();
  const Values leave = Since(before);
  ASSERT_FALSE(leave.empty());
  EXPECT_LT(leave.front(), 128);
  EXPECT_GT(leave.front(), 100) << "not from the full hot picture";
  EXPECT_EQ(leave.back(), 0) << "a fade to normal ends only on the normal picture";
  EXPECT_EQ(button.frames.back(), 0);
  EXPECT_LE(ticks, 40) << "the steps added at the end are bounded";
  EXPECT_TRUE(button.owner.shown.empty()) << "a window-less control's own step ran, never the windowed one";
  EXPECT_EQ(Timer().State, -1);
}

TEST_F(Fades, AFadeToTheStateAlreadyFadedToChangesNothing) {
  To(1, false);
  timers.Tick();
  const int iteration = Timer().Iteration;
  const int prepared = button.prepared;
  To(1, false);
  EXPECT_EQ(Timer().Iteration, iteration);
  EXPECT_EQ(button.glows.size(), 2u);
  EXPECT_EQ(button.prepared, prepared) << "not even a rebuild";
}

TEST_F(Fades, WithoutAnimationTheChangeRepaintsAtOnce) {
  skin.manager->Effects().AllowAnimation = false;
  button.owner.received.clear();
  To(1, false);
  EXPECT_TRUE(button.glows.empty());
  EXPECT_EQ(timers.Live(), 0);
  EXPECT_NE(std::find(button.owner.received.begin(), button.owner.received.end(), SC_REPAINT),
            button.owner.received.end());
  EXPECT_TRUE(Data().BGChanged);
  skin.manager->Effects().AllowAnimation = true;
  // A fade not allowed for the event is no fade either.
  Data().BGChanged = false;
  button.state = 0;
  ChangeStateAnimated(Data(), 0, step, false, false, false);
  EXPECT_TRUE(button.glows.empty());
}

TEST_F(Fades, AnimationIsAllowedByTheControlsEventsOrTheManagersDefaults) {
  TsSkinManager& m = *skin.manager;
  EXPECT_TRUE(AnimAllowed(aeMouseEnter, 0, nullptr));
  EXPECT_TRUE(AnimAllowed(aeMouseDown, AnimEventBit(aeMouseDown), &m));
  EXPECT_FALSE(AnimAllowed(aeMouseDown, AnimEventBit(aeMouseUp), &m));
  EXPECT_TRUE(AnimAllowed(aeMouseLeave, kDefaultAnimEvents, &m));
  m.AnimEffects().Buttons.Events.Exclude(beMouseLeave);
  EXPECT_FALSE(AnimAllowed(aeMouseLeave, kDefaultAnimEvents, &m));
  EXPECT_TRUE(AnimAllowed(aeMouseEnter, kDefaultAnimEvents, &m));
}

TEST_F(Fades, AWindowedControlGetsEveryFramePutOnItsWindow) {
  FakeButton windowed{&form, {0, 0, 75, 25}, timers, true};
  windowed.owner.Data().SetSkinManager(skin.manager.get());
  windowed.owner.Data().SetSkinSection("THREESTATE");
  windowed.owner.Data().Loaded(false);
  windowed.owner.SendToSelf(SC_PREPARECACHE, 0, 0);
  windowed.state = 1;
  windowed.owner.Data().BGChanged = false;
  ChangeStateAnimated(windowed.owner.Data(), 1, &WindowedFadeStep, true, false, true);
  RunOut();
  Values shown;
  for (const PixelImage& p : windowed.owner.shown) shown.push_back(static_cast<int>(PixelR(p.at(0, 0))));
  EXPECT_EQ(shown, (Values{42, 85, 128, 170, 212, 255}));
  EXPECT_EQ(windowed.owner.shown.front().width(), 75);
}

TEST_F(Fades, AStoppedFadeDropsItsPicturesAndTheBackgroundIsTheCacheAgain) {
  To(1, false);
  ASSERT_NE(Data().FadePicture(), nullptr);
  Data().StopFade();
  EXPECT_EQ(Data().FadePicture(), nullptr);
  EXPECT_EQ(timers.Live(), 0);
  EXPECT_TRUE(Timer().BmpOut.empty());
}

// A fade taken over part-way ends on the full picture of its new target, however far
// the fade it interrupted had come: the last frame shown is never between two looks.
TEST_F(Fades, ReEnteringDuringTheFadeBackEndsOnTheFullHotPicture) {
  for (const int leaveTicks : {1, 4, 8, 12, 16}) {
    SCOPED_TRACE(leaveTicks);
    Reset();
    To(1, false);
    RunOut();
    To(0, false);
    for (int i = 0; i < leaveTicks; ++i) timers.Tick();
    const size_t before = button.glows.size();
    To(1, false);
    RunOut();
    const Values back = Since(before);
    ASSERT_FALSE(back.empty()) << "the hot fade shows at least one frame";
    EXPECT_EQ(back.back(), 255);
    EXPECT_EQ(button.frames.back(), 0xFF) << "ends on the hot picture";
    EXPECT_TRUE(std::is_sorted(back.begin(), back.end()));
  }
}

// The buttons stop a press fade that still runs when the button is released (the pressed
// picture is shown at once), then fade to hot from the glow the press had reached.
TEST_F(Fades, ReleasingDuringThePressFadeEndsOnTheFullHotPicture) {
  for (const int pressTicks : {0, 1}) {
    SCOPED_TRACE(pressTicks);
    Reset();
    To(1, false);
    RunOut();
    To(2, true);
    for (int i = 0; i < pressTicks; ++i) timers.Tick();
    ASSERT_TRUE(Data().FadeRunning());
    Data().StopFade();
    To(1, true);
    RunOut();
    EXPECT_EQ(button.glows.back(), 255);
    EXPECT_EQ(button.frames.back(), 0xFF) << "ends on the hot picture";
  }
}
