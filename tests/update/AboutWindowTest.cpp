// The About window of the running program, driven from outside.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/update/ProgramTest.h"

namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;

POINT Centre(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class AboutWindowTest : public ProgramTest {
 protected:
  AboutWindowTest() { publish("[MAIN]\r\nVER=1.0\r\n"); }  // no notice: the program stays

  HWND openAbout(const ProgramUnderTest& program, HWND main) {
    ClickAt(main, 308 + 42, 203 + 11);  // "关于"
    return program.WaitForWindow(IsAboutWindow, 10s);
  }
};

TEST_F(AboutWindowTest, CheckForUpdatesOpensTheProductPageAndOkClosesTheSameWindowEachTime) {
  ProgramUnderTest program(ProgramPath());
  HWND main = program.WaitForWindow(IsMainWindow);
  ASSERT_TRUE(main);
  WaitForTheCheckToEnd();

  HWND about = openAbout(program, main);
  ASSERT_TRUE(about);
  const SIZE client = ClientSizeAt96(about);
  EXPECT_EQ(client.cx, 301);
  EXPECT_EQ(client.cy, 119);
  EXPECT_NEAR(Centre(about).x, Centre(main).x, 2);
  EXPECT_NEAR(Centre(about).y, Centre(main).y, 2);
  EXPECT_FALSE(IsWindowEnabled(main)) << "the About window is modal";

  ClickAt(about, 20 + 30, 86 + 11);  // "检查更新"
  EXPECT_THAT(browser_.WaitForOpened(1), ElementsAre(kTestProductPage));
  WaitUntilIdle(about);
  EXPECT_TRUE(IsWindowVisible(about));

  Press(FindChildWithText(about, L"确定"));
  EXPECT_TRUE(winehost::WaitUntil([&] { return !IsWindowVisible(about); }));
  EXPECT_TRUE(IsWindowEnabled(main));

  EXPECT_EQ(openAbout(program, main), about) << "a second About window";
  Press(FindChildWithText(about, L"确定"));
  EXPECT_TRUE(winehost::WaitUntil([&] { return !IsWindowVisible(about); }));
  closeNormally(program, main);
}

TEST_F(AboutWindowTest, OpensCentredOverTheMainWindowWhereverItHasMoved) {
  ProgramUnderTest program(ProgramPath());
  HWND main = program.WaitForWindow(IsMainWindow);
  ASSERT_TRUE(main);
  WaitForTheCheckToEnd();
  HWND about = openAbout(program, main);
  ASSERT_TRUE(about);
  Press(FindChildWithText(about, L"确定"));
  ASSERT_TRUE(winehost::WaitUntil([&] { return !IsWindowVisible(about); }));

  // Moved as the user would drag it, in two directions, between two showings.
  for (const POINT shift : {POINT{-150, 90}, POINT{230, -60}}) {
    RECT r;
    GetWindowRect(main, &r);
    SetWindowPos(main, nullptr, r.left + shift.x, r.top + shift.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitUntilIdle(main);
    ASSERT_EQ(openAbout(program, main), about);
    EXPECT_NEAR(Centre(about).x, Centre(main).x, 2) << shift.x;
    EXPECT_NEAR(Centre(about).y, Centre(main).y, 2) << shift.y;
    Press(FindChildWithText(about, L"确定"));
    ASSERT_TRUE(winehost::WaitUntil([&] { return !IsWindowVisible(about); }));
  }
  closeNormally(program, main);
}

}  // namespace
