// Caption buttons under the mouse: hot tracking, the click table (a press and a release
// on the same button sends its command, anything else nothing), double and right clicks
// on the title, and the schedule of a button's fade.
#include <gtest/gtest.h>

#include <vector>

#include "skin/forms/logic/acButtonFade.h"
#include "skin/forms/logic/acCaptionClicks.h"
#include "tests/form_frames/ProgramWindows.h"

namespace {

struct Clicks : ::testing::Test {
  Clicks() {
    clicks.OnButtonState = [this](int code, int state) { changes.push_back({code, state}); };
  }
  TacFrameAction PressAndRelease(int down, int up) {
    clicks.LeftDown(down);
    return clicks.LeftUp(up, form, rules);
  }
  TacFormFrame form = MainWindowFrame();
  TacSystemMenuRules rules = SystemMenuRules(MainWindowFrame());
  TacCaptionClicks clicks;
  std::vector<std::pair<int, int>> changes;
};

TEST_F(Clicks, HoverMakesAButtonHotAndMovingOnRestoresIt) {
  clicks.MouseMove(kHitClose);
  EXPECT_EQ(clicks.State(kHitClose), 1);
  EXPECT_TRUE(clicks.MouseMove(kHitCaption).PassOn);
  EXPECT_EQ(clicks.State(kHitClose), 0);
  EXPECT_EQ(changes, (std::vector<std::pair<int, int>>{{kHitClose, 1}, {kHitClose, 0}}));
}

TEST_F(Clicks, PressAndReleaseOnCloseSendsCloseAndEndsTheFades) {
  clicks.MouseMove(kHitClose);
  const TacFrameAction down = clicks.LeftDown(kHitClose);
  EXPECT_TRUE(down.TakeCapture) << "a release outside the window must still reach us";
  EXPECT_EQ(clicks.State(kHitClose), 2);
  const TacFrameAction up = clicks.LeftUp(kHitClose, form, rules);
  EXPECT_EQ(up.SysCommand, kScClose);
  EXPECT_TRUE(up.KillAnimations && up.ReleaseCapture);
  EXPECT_EQ(clicks.State(kHitClose), 0);
  EXPECT_FALSE(clicks.Clicked());
}

TEST_F(Clicks, ReleaseOverAnotherButtonSendsNothingAndLeavesBothNormal) {
  clicks.LeftDown(kHitClose);
  clicks.MouseMove(kHitMinButton);  // dragged over minimize while pressed
  EXPECT_EQ(clicks.State(kHitMinButton), 0) << "no hot look while a button is pressed";
  const TacFrameAction up = clicks.LeftUp(kHitMinButton, form, rules);
  EXPECT_EQ(up.SysCommand, 0);
  EXPECT_TRUE(up.ReleaseCapture);
  EXPECT_EQ(clicks.State(kHitClose), 0);
  EXPECT_EQ(clicks.State(kHitMinButton), 0);
}

TEST_F(Clicks, ReleaseOutsideTheWindowClearsThePress) {
  clicks.LeftDown(kHitClose);
  EXPECT_EQ(clicks.LeftUp(kHitNowhere, form, rules).SysCommand, 0);
  EXPECT_FALSE(clicks.Clicked());
  EXPECT_EQ(clicks.State(kHitClose), 0);
}

TEST_F(Clicks, CommandsByButtonAndState) {
  struct Case {
    const char* name;
    int button;
    TacWindowState state;
    bool mainForm;
    int command;
  };
  const Case cases[] = {
      {"minimize on the main form", kHitMinButton, TacWindowState::wsNormal, true, kScMinimize},
      {"minimize on a minimized other form restores", kHitMinButton, TacWindowState::wsMinimized, false, kScRestore},
      {"maximize where it is disabled", kHitMaxButton, TacWindowState::wsNormal, true, 0},
      {"help", kHitHelp, TacWindowState::wsNormal, true, kScContextHelp},
  };
  for (const Case& c : cases) {
    form.State = c.state;
    form.IsMainForm = c.mainForm;
    rules = SystemMenuRules(form);
    EXPECT_EQ(PressAndRelease(c.button, c.button).SysCommand, c.command) << c.name;
  }
  form = MainWindowFrame();
  rules = SystemMenuRules(form);
  EXPECT_TRUE(PressAndRelease(kHitMinButton, kHitMinButton).SkipAnimation) << "the main form minimizes directly";
  rules.EnabledClose = false;
  EXPECT_EQ(PressAndRelease(kHitClose, kHitClose).SysCommand, 0) << "a disabled command is not sent";
}

TEST_F(Clicks, MaximizeAndRestoreOfASizableForm) {
  form.BorderStyle = TacBorderStyle::bsSizeable;
  form.Icons.Maximize = true;
  rules = SystemMenuRules(form);
  EXPECT_EQ(PressAndRelease(kHitMaxButton, kHitMaxButton).SysCommand, kScMaximize);
  form.State = TacWindowState::wsMaximized;
  rules = SystemMenuRules(form);
  EXPECT_EQ(PressAndRelease(kHitMaxButton, kHitMaxButton).SysCommand, kScRestore);
  EXPECT_EQ(clicks.DoubleClick(kHitCaption, form, rules).SysCommand, kScRestore);
  form.State = TacWindowState::wsNormal;
  rules = SystemMenuRules(form);
  EXPECT_EQ(clicks.DoubleClick(kHitCaption, form, rules).SysCommand, kScMaximize);
}

TEST_F(Clicks, DoubleClickRules) {
  EXPECT_EQ(clicks.DoubleClick(kHitCaption, form, rules), TacFrameAction{})
      << "the main window can neither maximize nor restore";
  EXPECT_EQ(clicks.DoubleClick(kHitSysMenu, form, rules).SysCommand, kScClose) << "the icon closes";
  TacFormFrame notice = UpdateNoticeFrame();
  EXPECT_EQ(clicks.DoubleClick(kHitCaption, notice, SystemMenuRules(notice)), TacFrameAction{});
  notice.State = TacWindowState::wsMinimized;
  notice.CaptionStyle = false;
  EXPECT_EQ(clicks.DoubleClick(kHitCaption, notice, SystemMenuRules(notice)).SysCommand, kScRestore)
      << "a minimized captionless form always restores";
}

TEST_F(Clicks, RightClickOnTheTitleDropsTheSystemMenuOnlyAfterARightPressThere) {
  EXPECT_FALSE(clicks.RightDown(kHitCaption).PassOn);
  EXPECT_TRUE(clicks.RightUp(kHitCaption).DropSysMenuAtCursor);
  EXPECT_TRUE(clicks.RightUp(kHitCaption).PassOn) << "no press remembered any more";
  clicks.RightDown(kHitSysMenu);
  EXPECT_TRUE(clicks.RightUp(kHitClient).PassOn) << "released elsewhere";
  EXPECT_FALSE(clicks.RightPressed()) << "the press is forgotten";
  EXPECT_TRUE(clicks.RightUp(kHitCaption).PassOn);
  clicks.RightDown(kHitCaption);
  clicks.MouseLeft();
  EXPECT_FALSE(clicks.RightPressed());
}

TEST_F(Clicks, IconPressDropsTheSystemMenuBelowTheIcon) {
  clicks.MouseMove(kHitClose);
  EXPECT_TRUE(clicks.LeftDown(kHitSysMenu).DropSysMenuAtIcon);
  EXPECT_EQ(clicks.State(kHitClose), 0);
  EXPECT_TRUE(clicks.LeftDown(kHitCaption).PassOn) << "a caption drag is the system's";
}

std::vector<int> RunFade(TacButtonFade& fade) {
  std::vector<int> opacities;
  bool more = true;
  while (more && opacities.size() < 50) {
    more = fade.Step();
    opacities.push_back(fade.Opacity());
  }
  return opacities;
}

TEST(ButtonFade, HotFadesInOverTenTicksAndEndsFullyOpaque) {
  TacButtonFade fade;
  ASSERT_TRUE(fade.Start(1, true));
  EXPECT_EQ(fade.MaxIterations(), 10);
  EXPECT_EQ(RunFade(fade), (std::vector<int>{25, 50, 75, 100, 125, 150, 175, 200, 225, 255}));
  EXPECT_FALSE(fade.Start(1, true)) << "the same state twice does nothing";
  fade.Leave();
  EXPECT_EQ(RunFade(fade), (std::vector<int>{225, 200, 175, 150, 125, 100, 75, 50, 25, 0}));
  EXPECT_TRUE(fade.Finished()) << "the glyph window goes";
}

TEST(ButtonFade, PressedAndUnanimatedFadesTakeOneStep) {
  TacButtonFade pressed;
  pressed.Start(2, true);
  EXPECT_EQ(RunFade(pressed), (std::vector<int>{255}));
  TacButtonFade still;
  still.Start(1, false);
  EXPECT_EQ(still.MaxIterations(), 1);
  EXPECT_EQ(RunFade(still), (std::vector<int>{255}));
}

TEST(ButtonFade, LeavingHalfwayCountsBackFromWhereItWas) {
  TacButtonFade fade;
  fade.Start(1, true);
  fade.Step();
  fade.Step();
  fade.Step();
  fade.Leave();
  EXPECT_EQ(RunFade(fade), (std::vector<int>{50, 25, 0}));
  EXPECT_TRUE(fade.Finished());
}

}  // namespace
