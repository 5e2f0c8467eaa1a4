// Minimize and restore flights as recorded updates of the animation window, ticked by
// hand, and the taskbar target they fly to.
#include <gtest/gtest.h>

#include <cmath>

#include "skin/forms/logic/acMinTimer.h"
#include "skin/forms/logic/acTaskbarTarget.h"
#include "tests/animations/AnimRecorder.h"

namespace {

using Ints = std::vector<int>;

constexpr TRect kTray{0, 1040, 1920, 1080};
constexpr TRect kForm{100, 100, 500, 400};

class FakeForm final : public IacMinFlightHost {
 public:
  bool MinimizeRunning() const override { return minimizeRunning; }
  bool RestoreRunning() const override { return restoreRunning; }
  bool RestoreCommandInProgress() const override { return restoreCommand; }
  // The form clears its flag when a flight is over.
  void MinimizeFinished() override {
    ++minimized;
    minimizeRunning = false;
  }
  void RestoreFinished() override {
    ++restored;
    restoreRunning = false;
  }
  bool minimizeRunning = false, restoreRunning = false, restoreCommand = false;
  int minimized = 0, restored = 0;
};

// A form's flight: the picture taken, the window set, the timer on hand-ticked timers.
struct Flight {
  explicit Flight(TacMinFlightSetup setup, TRect form = kForm) : timer(setup, host, timers.Starter()), form(form) {
    timer.SavedImage() = OpaquePicture(form.Width(), form.Height());
    timer.SetAnimationWindow(&window);
  }
  // As a minimize starts: the first frame at once, then the timer when there is more.
  int Minimize() {
    host.minimizeRunning = true;
    timer.StartMinimizeFlight(form, TaskbarTargetRect(kTray, form));
    return 1 + RunOut([&] { return host.minimized > 0; });
  }
  int Restore() {
    host.minimizeRunning = false;
    host.restoreRunning = true;
    timer.StartRestoreFlight();
    return RunOut([&] { return host.restored > 0; });
  }
  template <class Done>
  int RunOut(Done done) {
    int ticks = 0;
    while (!done() && ticks < 200 && timers.Tick() > 0) ++ticks;
    return ticks;
  }

  FakeForm host;
  HandTimers timers;
  std::vector<RecordedUpdate> log;
  RecordingWindow window{log};
  TacMinTimer timer;
  TRect form;
};

TEST(TaskbarTarget, ThreeQuartersOfTheFormCentredOnTheTaskbarOrTheEmptyRectangle) {
  const struct {
    const char* name;
    std::optional<TRect> tray;
    TRect form;
    TRect target;
  } cases[] = {
      {"taskbar at the bottom", kTray, TRect::FromSize(100, 100, 400, 300), {810, 947, 1110, 1173}},
      {"taskbar on the left", TRect{0, 0, 48, 1080}, TRect::FromSize(700, 50, 400, 300), {-126, 427, 174, 653}},
      {"no taskbar", std::nullopt, TRect::FromSize(100, 100, 400, 300), {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TaskbarTargetRect(c.tray, c.form), c.target);
  }
}

TEST(MinimizeFlight, StepsStartOpacityAndBlendStepFollowTheTime) {
  const struct {
    const char* name;
    TacMinFlightSetup setup;
    int steps;
    int startAlpha;
    double blendStep;
    int ticks;  // until the form is minimized, the first one included
  } cases[] = {
      {"80 ms starts at a quarter", {80, 255, true}, 13, 63, 5.25, 12},
      {"12 ms: two steps at full opacity", {12, 255, true}, 2, 255, 255, 1},
      {"11 ms: one step", {11, 255, true}, 1, 255, 255, 1},
      {"a translucent form starts at a quarter of its opacity", {80, 200, true}, 13, 50, 50.0 / 12, 12},
      {"without composition at the form's own opacity", {80, 255, false}, 13, 255, 21.25, 12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Flight f(c.setup);
    const int ticks = f.Minimize();
    EXPECT_EQ(f.timer.StepCount, c.steps);
    EXPECT_EQ(f.timer.AlphaOrigin, c.startAlpha);
    EXPECT_DOUBLE_EQ(f.timer.BlendStep, c.blendStep);
    EXPECT_EQ(ticks, c.ticks);
    EXPECT_EQ(f.host.minimized, 1);
    EXPECT_TRUE(f.timer.Minimized);
    EXPECT_FALSE(f.timer.Enabled());
    ASSERT_FALSE(f.log.empty());
    EXPECT_EQ(f.log.back().painted, TRect{}) << "the window is left empty";
    EXPECT_EQ(f.log.size(), static_cast<size_t>(ticks));
  }
}

TEST(MinimizeFlight, ThePictureStartsHalfwayAtTheTargetsSizeAndShrinksAndFadesTowardsIt) {
  Flight f({80, 255, true});
  f.Minimize();
  ASSERT_EQ(f.log.size(), 12u);
  EXPECT_EQ(f.log[0].opacity, 58);
  EXPECT_EQ(f.log[0].topLeft, (TPoint{486, 558}));
  EXPECT_EQ(f.log[0].size, (TPoint{400, 300})) << "frames have the form's size";
  EXPECT_EQ(f.log[0].painted, TRect::FromSize(0, 0, 292, 220));
  EXPECT_EQ(Opacities(f.log), (Ints{58, 52, 47, 42, 37, 32, 26, 21, 16, 10, 5, 0}));
  for (size_t i = 1; i + 1 < f.log.size(); ++i) {
    EXPECT_LT(f.log[i].painted.Width(), f.log[i - 1].painted.Width());
    EXPECT_GT(f.log[i].topLeft->X, f.log[i - 1].topLeft->X);
    EXPECT_GT(f.log[i].topLeft->Y, f.log[i - 1].topLeft->Y);
  }
}

TEST(RestoreFlight, StartsAQuarterOfTheWayAndAtLeast80PixelsLowerAndEndsWithinNPlusOneTicks) {
  const struct {
    const char* name;
    TRect form;
    TPoint start;
  } cases[] = {
      {"form above the taskbar", kForm, {277, 311}},
      {"form below a taskbar at the top", TRect::FromSize(100, 600, 400, 300), {277, 680}},
      {"one pixel across", TRect::FromSize(806, 100, 400, 300), {807, 311}},
      {"no way across", TRect::FromSize(810, 100, 400, 300), {810, 311}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Flight f({80, 255, true}, c.form);
    // The second case's taskbar is at the top of the screen.
    f.Minimize();
    if (c.form.Top == 600) f.timer.RectTo = TaskbarTargetRect(TRect{0, 0, 1920, 40}, c.form);
    f.log.clear();
    f.host.restoreCommand = true;
    f.host.restoreRunning = true;
    f.timer.PrepareRestoring();
    EXPECT_EQ(f.timer.RestoreSteps(), 14);
    EXPECT_EQ((TPoint{static_cast<int>(f.timer.CurLeft), static_cast<int>(f.timer.CurTop)}), c.start);
    EXPECT_EQ(f.timer.CurrentAlpha, 1);
    f.timer.SetEnabled(true);
    f.timers.Tick();
    EXPECT_TRUE(f.log.empty()) << "nothing moves while the system still handles the command";
    f.host.restoreCommand = false;

    const int ticks = f.Restore();
    EXPECT_EQ(f.host.restored, 1);
    EXPECT_LE(ticks, 15);
    EXPECT_FALSE(f.timer.Minimized);
    ASSERT_FALSE(f.log.empty());
    EXPECT_EQ(f.log.back().topLeft, (TPoint{c.form.Left, c.form.Top}));
    EXPECT_EQ(f.log.back().opacity, 255);
    EXPECT_EQ(f.log.back().picture, f.timer.SavedImage());
    for (size_t i = 1; i < f.log.size(); ++i) EXPECT_GE(f.log[i].opacity, f.log[i - 1].opacity);
  }
}

TEST(MinimizeFlight, ASecondMinimizeWhileFlyingDoesNotRestartIt) {
  Flight f({80, 255, true});
  f.host.minimizeRunning = true;
  f.timer.StartMinimizeFlight(kForm, TaskbarTargetRect(kTray, kForm));
  f.timers.Tick();
  f.timers.Tick();
  const double alpha = f.timer.CurrentAlpha;
  const size_t frames = f.log.size();
  f.timer.StartMinimizeFlight(kForm, TaskbarTargetRect(kTray, kForm));
  EXPECT_EQ(f.timer.CurrentAlpha, alpha);
  EXPECT_EQ(f.log.size(), frames) << "no frame drawn again from the start";
  EXPECT_EQ(f.RunOut([&] { return f.host.minimized > 0; }) + 3, 12) << "the flight ends on its own schedule";
}

TEST(RestoreFlight, AMinimizeDuringARestoreTurnsTheFlightAround) {
  Flight f({80, 255, true});
  f.Minimize();
  f.host.restoreRunning = true;
  f.timer.PrepareRestoring();
  f.timer.SetEnabled(true);
  f.timers.Tick();
  f.timers.Tick();
  EXPECT_TRUE(f.timer.Minimized);
  f.host.restoreRunning = false;
  f.host.minimizeRunning = true;
  f.timer.PrepareMinimizing(kForm, TaskbarTargetRect(kTray, kForm));
  f.timers.Tick();
  EXPECT_FALSE(f.timer.Minimized) << "the flight follows the form's flags";
}

TEST(RestoreFlight, ATickWithoutAnAnimationWindowStopsTheTimer) {
  Flight f({80, 255, true});
  f.timer.SetAnimationWindow(nullptr);
  f.timer.SetEnabled(true);
  f.timers.Tick();
  EXPECT_FALSE(f.timer.Enabled());
  EXPECT_TRUE(f.log.empty());
}

}  // namespace
