// The frame's numbers as functions of the form and the injected system metrics: caption
// heights, frame widths, the picture's size, the maximized place, and which buttons and
// system-menu items the program's three windows have.
#include <gtest/gtest.h>

#include "skin/forms/logic/acFrameGeometry.h"
#include "skin/forms/logic/acSystemMenuRules.h"
#include "tests/form_frames/ProgramWindows.h"

namespace {

struct CaptionCase {
  const char* name;
  TacBorderStyle style;
  TacWindowState state;
  bool windows10;
  bool captionStyle;
  int expected;
};

TEST(FrameGeometry, CaptionHeightFollowsBorderStyleVersionAndState) {
  using BS = TacBorderStyle;
  using WS = TacWindowState;
  const CaptionCase cases[] = {
      {"dialog on Windows 10: small caption", BS::bsDialog, WS::wsNormal, true, true, 19},
      {"dialog minimized: full caption", BS::bsDialog, WS::wsMinimized, true, true, 23},
      {"dialog before Windows 10: full caption", BS::bsDialog, WS::wsNormal, false, true, 23},
      {"single border", BS::bsSingle, WS::wsNormal, true, true, 23},
      {"tool window: small caption", BS::bsToolWindow, WS::wsNormal, true, true, 19},
      {"tool window minimized", BS::bsToolWindow, WS::wsMinimized, true, true, 23},
      {"no caption style", BS::bsSingle, WS::wsNormal, true, false, 0},
      {"borderless", BS::bsNone, WS::wsNormal, true, true, 0},
      {"borderless but minimized", BS::bsNone, WS::wsMinimized, true, true, 23},
  };
  for (const CaptionCase& c : cases) {
    TacFormFrame f;
    f.BorderStyle = c.style;
    f.State = c.state;
    f.Windows10 = c.windows10;
    f.CaptionStyle = c.captionStyle;
    EXPECT_EQ(CaptionHeight(f, kWin10Metrics), c.expected) << c.name;
  }
}

TEST(FrameGeometry, ATallerSkinTitleAddsFourPixelsToTheSystemCaption) {
  TacFormFrame f = MainWindowFrame();
  f.SysExHeight = true;
  EXPECT_EQ(CaptionHeight(f, kWin10Metrics), 27);
}

TEST(FrameGeometry, FrameWidthByFrameKind) {
  TacFormFrame main = MainWindowFrame();
  EXPECT_EQ(FrameWidth(main, kWin10Metrics, TacFrameKind::Other), 3) << "half of what the client lacks";
  main.BorderWidth = 1;
  EXPECT_EQ(FrameWidth(main, kWin10Metrics, TacFrameKind::Other), 2) << "less the form's own border";
  TacFormFrame sizable = MainWindowFrame();
  sizable.BorderStyle = TacBorderStyle::bsSizeable;
  EXPECT_EQ(FrameWidth(sizable, kWin10Metrics, TacFrameKind::Sizing), 8) << "sizing frame plus padding";
  EXPECT_EQ(FrameWidth(MainWindowFrame(), kWin10Metrics, TacFrameKind::ThinBorder), 3);
  TacFormFrame noFrame = MainWindowFrame();
  noFrame.WindowSize = noFrame.ClientSize;
  EXPECT_EQ(FrameWidth(noFrame, kWin10Metrics, TacFrameKind::Other), 3) << "a zero answer takes the metric";
}

TEST(FrameGeometry, PictureOfAMinimizedFormOtherThanTheMainOneIsOnlyItsTitle) {
  TacFormFrame about = AboutFrame();
  EXPECT_EQ(FramePictureSize(about, 3, 19), about.WindowSize);
  about.State = TacWindowState::wsMinimized;
  EXPECT_EQ(FramePictureSize(about, 3, 23), (TPoint{160, 28}));
  TacFormFrame main = MainWindowFrame();
  main.State = TacWindowState::wsMinimized;
  EXPECT_EQ(FramePictureSize(main, 3, 23), main.WindowSize) << "the main form keeps its size";
}

TEST(FrameGeometry, ClientOffsetIsTheFrameAndTheCaption) {
  EXPECT_EQ(ClientOffset(MainWindowFrame(), 3), (TPoint{3, 26}));
}

TEST(FrameGeometry, MaximizedPlaceCoversTheWorkAreaWithTheFrameOutside) {
  const TRect work{0, 0, 1280, 984};
  const TacMaximizedPlace plain = MaximizedPlace(work, 8, 0);
  EXPECT_EQ(plain.Position, (TPoint{-8, -8}));
  EXPECT_EQ(plain.Size, (TPoint{1296, 1000}));
  const TacMaximizedPlace taller = MaximizedPlace(work, 8, 3);
  EXPECT_EQ(taller.Position, (TPoint{-8, -5}));
  EXPECT_EQ(taller.Size, (TPoint{1296, 997}));
}

TEST(SystemMenuRules, TheProgramsThreeWindows) {
  const TacSystemMenuRules main = SystemMenuRules(MainWindowFrame());
  TacSystemMenuRules expectMain;
  expectMain.VisibleClose = expectMain.EnabledClose = true;
  expectMain.VisibleMin = expectMain.EnabledMin = true;
  expectMain.VisibleRestore = true;  // shown, disabled in the normal state
  expectMain.VisibleSize = true;     // shown, disabled for a single border
  expectMain.VisibleMove = expectMain.EnabledMove = true;
  EXPECT_EQ(main, expectMain);

  const TacSystemMenuRules about = SystemMenuRules(AboutFrame());
  EXPECT_TRUE(about.VisibleClose && about.EnabledClose);
  EXPECT_FALSE(about.VisibleMax || about.VisibleMin || about.VisibleRestore || about.VisibleSize);
  EXPECT_TRUE(about.VisibleMove);

  EXPECT_EQ(SystemMenuRules(UpdateNoticeFrame()), TacSystemMenuRules{}) << "no system menu: nothing at all";
}

TEST(SystemMenuRules, WindowStatesChangeWhatActs) {
  TacFormFrame sizable = MainWindowFrame();
  sizable.BorderStyle = TacBorderStyle::bsSizeable;
  sizable.Icons.Maximize = true;
  sizable.IsMainForm = false;
  sizable.State = TacWindowState::wsMaximized;
  const TacSystemMenuRules maximized = SystemMenuRules(sizable);
  EXPECT_TRUE(maximized.EnabledRestore);
  EXPECT_FALSE(maximized.EnabledMove);
  EXPECT_TRUE(maximized.EnabledSize);

  sizable.State = TacWindowState::wsMinimized;
  const TacSystemMenuRules minimized = SystemMenuRules(sizable);
  EXPECT_TRUE(minimized.EnabledRestore && minimized.VisibleMax && minimized.VisibleMin);
  EXPECT_FALSE(minimized.EnabledSize);

  TacFormFrame main = MainWindowFrame();
  main.State = TacWindowState::wsMinimized;
  EXPECT_FALSE(SystemMenuRules(main).VisibleMax) << "the main form on the taskbar shows no maximize";
  EXPECT_TRUE(SystemMenuRules(main).EnabledRestore);
}

TEST(SystemMenuRules, CloseFollowsTheNativeMenu) {
  EXPECT_FALSE(SystemMenuRules(MainWindowFrame(), {.HasMenu = true, .HasClose = true, .Grayed = true}).EnabledClose);
  EXPECT_FALSE(SystemMenuRules(MainWindowFrame(), {.HasMenu = true, .HasClose = false}).VisibleClose);
  EXPECT_TRUE(SystemMenuRules(MainWindowFrame(), {.HasMenu = false}).EnabledClose);
}

}  // namespace
