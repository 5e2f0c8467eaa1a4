// Failed commands are reported as failures. Built twice: with the powershell.exe double
// exiting 1, and (MARV_POWERSHELL_CANNOT_START) beside a powershell.exe that is no program.
#include "tests/support/MainWindowFixture.h"

namespace {

struct Action {
  const char* name;
  marv::SpeedButton* TForm1::*button;
  marv::MenuItem* TForm1::*item;  // null for the bulk buttons
  const wchar_t* failureText;
  size_t commands;
};

const Action kActions[] = {
    {"uninstall one", &TForm1::btn9, &TForm1::p1, L"照片 卸载失败！", 1},
    {"reinstall one", &TForm1::btn1, &TForm1::N1, L"3D建模 安装失败！", 3},
    {"uninstall all", &TForm1::btn23, nullptr, L"全部卸载已结束，部分应用未能卸载！", 1},
    {"reinstall all", &TForm1::btn24, nullptr, L"全部安装已结束，部分应用未能安装！", 3},
};

#ifdef MARV_POWERSHELL_CANNOT_START
#define FAILED_COMMANDS_TEST CommandsThatCannotStartEndWithAFailureNoticeAfterEveryStepRan
#else
#define FAILED_COMMANDS_TEST CommandsExitingNonZeroEndWithAFailureNoticeAfterEveryStepRan
#endif

TEST_F(MainWindowTest, FAILED_COMMANDS_TEST) {
#ifdef MARV_POWERSHELL_CANNOT_START
  const size_t runsPerCommand = 0;
#else
  ps_.setExitCode(1);
  const size_t runsPerCommand = 1;
#endif
  size_t boxes = 0;
  size_t runs = 0;
  for (const Action& action : kActions) {
    marv::SpeedButton* button = form_->*action.button;
    if (action.item)
      RunAppCommand(button, form_->*action.item);
    else
      uitest::Click(*button);
    const bool asks = button == form_->btn23;
    boxes += asks ? 2 : 1;
    ASSERT_TRUE(WaitForBoxes(boxes)) << action.name;
    const uitest::SeenBox& notice = watcher_.Boxes().back();
    EXPECT_EQ(notice.text, action.failureText) << action.name;
    EXPECT_EQ(notice.caption, kNoticeCaption) << action.name;
    EXPECT_EQ(notice.icon, IDI_WARNING) << action.name;
    runs += action.commands * runsPerCommand;
    EXPECT_EQ(Runs().size(), runs) << action.name;  // the close-policy step ran too
  }
  // Script files are removed after failures as well.
  EXPECT_TRUE(uitest::PumpUntil([&] {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((tempRoot_ + L"\\*.ps1").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return true;
    FindClose(find);
    return false;
  }, 2000));
}

}  // namespace
