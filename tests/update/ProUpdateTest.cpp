// The start-up check inside this process, so that the notice it puts up can be read:
// window-less labels show nothing to other processes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "tests/update/ProgramTest.h"
#include "tests/update/UiTicker.h"
#include "update/Unit3.h"

namespace {

using testing::ElementsAre;

// The update notice this thread shows; null while there is none.
TfrmVer* VisibleNotice() {
  TfrmVer* found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        auto* notice = dynamic_cast<TfrmVer*>(marv::WinControl::FromHandle(window));
        if (notice && IsWindowVisible(window)) *reinterpret_cast<TfrmVer**>(result) = notice;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

using ProUpdateTest = ProgramTest;

TEST_F(ProUpdateTest, ANewerVersionIsAnnouncedWithBothVersionsExactly) {
  const std::wstring downloadPage = server_.url(L"/download/marvolena-1.1.html");
  publish("[MAIN]\r\nVER=1.1\r\nURL=" + std::string(downloadPage.begin(), downloadPage.end()) +
          "\r\n");
  TForm1 form;
  std::wstring headline, versions;
  int noticesSeen = 0;
  const UiTicker ticker([&] {
    TfrmVer* notice = VisibleNotice();
    if (!notice || !notice->IsModal() || notice->ModalResult() != marv::mrNone) return;
    if (++noticesSeen == 1) {
      headline = notice->lbl1.Caption();
      versions = notice->lbl2.Caption();
    }
    Press(notice->btn1.Handle());
  });

  EXPECT_TRUE(form.ProUpdate());
  EXPECT_EQ(noticesSeen, 1);
  EXPECT_EQ(headline, L"有新版本更新：1.1");
  EXPECT_EQ(versions, L"当前版本： 1.0       服务器版本：1.1");
  EXPECT_THAT(browser_.WaitForOpened(1), ElementsAre(downloadPage));
  EXPECT_FALSE(VisibleNotice());
}

}  // namespace
