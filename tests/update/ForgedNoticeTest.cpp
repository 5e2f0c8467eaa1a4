// Another process posts WM_USER to the running program's main window: only notices the
// program issued itself are shown, anything else is dropped without harm.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/doubles/powershell/PsDoubleLog.h"
#include "tests/update/ProgramTest.h"

namespace {

using namespace std::chrono_literals;

class ForgedNoticeTest : public ProgramTest {
 protected:
  ForgedNoticeTest() { publish("[MAIN]\r\nVER=1.0\r\n"); }  // no update notice: the program stays

  PsDoubleEnv powershell_;  // the bulk job's commands run the double beside the program
};

TEST_F(ForgedNoticeTest, ForeignWmUserIsIgnoredAndTheNextRealNoticeStillShows) {
  ProgramUnderTest program(ProgramPath());
  HWND main = program.WaitForWindow(IsMainWindow);
  ASSERT_TRUE(main);
  WaitForTheCheckToEnd();

  // What a foreign process may put in LParam: nothing, a small number that could be a
  // token, addresses that point nowhere or into the middle of something.
  const LPARAM forged[] = {0, 1, 2, 0x12345678, static_cast<LPARAM>(0xDEADBEEF0000), -1};
  for (LPARAM lParam : forged) {
    for (WPARAM wParam : {0, 1}) PostMessageW(main, WM_USER, wParam, lParam);
  }
  WaitUntilIdle(main);
  EXPECT_TRUE(program.Running()) << "a forged notice ended the program";
  EXPECT_FALSE(program.WaitForWindow(IsMessageBox, 1500ms)) << "a forged notice was shown";

  // "安装全部": the job ends with a notice of its own, which still shows.
  ClickAt(main, 308 + 42, 64 + 11);
  HWND box = program.WaitForWindow(IsMessageBox, 20s);
  ASSERT_TRUE(box);
  EXPECT_EQ(MessageBoxText(box), L"全部安装完成！");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(winehost::WaitUntil([&] { return !IsWindow(box); }));
  closeNormally(program, main);
}

}  // namespace
