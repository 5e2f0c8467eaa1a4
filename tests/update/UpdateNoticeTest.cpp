// The update notice window on its own: what it shows and what its button opens.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/GdiHandles.h"
#include "tests/doubles/powershell/PsDoubleLog.h"
#include "tests/update/BrowserDouble.h"
#include "tests/update/ProgramUnderTest.h"
#include "update/Unit3.h"

namespace {

using testing::IsEmpty;
using testing::UnorderedElementsAreArray;

// The width the text takes in the font, at 96 DPI.
int TextWidth(const std::wstring& text, const marv::Font& font) {
  marv::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  marv::SelectedObject selected(dc.get(), font.Handle(96));
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

TEST(UpdateNotice, ShowsTheServerAndLocalVersionInTheDesignedWindow) {
  TfrmVer notice;
  notice.SetUpdate(L"1.1", L"1.0", L"http://127.0.0.1/download.html");
  EXPECT_EQ(notice.lbl1.Caption(), L"有新版本更新：1.1");
  EXPECT_EQ(notice.lbl2.Caption(), L"当前版本： 1.0       服务器版本：1.1");
  EXPECT_EQ(notice.btn1.Caption(), L"立即更新");
  EXPECT_EQ(notice.FUrl, L"http://127.0.0.1/download.html");

  // Both captions are whole on the screen, where the design puts them.
  for (marv::Label* label : {&notice.lbl1, &notice.lbl2}) {
    const RECT& at = label->LayoutBounds();
    EXPECT_GE(at.right - at.left, TextWidth(label->Caption(), label->GetFont()))
        << testing::PrintToString(label->Name());
  }
  EXPECT_EQ(notice.lbl1.LayoutBounds().left, 24);
  EXPECT_EQ(notice.lbl1.LayoutBounds().top, 16);
  EXPECT_EQ(notice.lbl2.LayoutBounds().left, 24);
  EXPECT_EQ(notice.lbl2.LayoutBounds().top, 52);

  EXPECT_EQ(notice.GetFont().Face(), L"微软雅黑");
  EXPECT_EQ(notice.GetFont().Height(), -11);
  EXPECT_EQ(notice.GetFont().Charset(), ANSI_CHARSET);
  EXPECT_EQ(notice.lbl1.GetFont().Face(), L"微软雅黑");
  EXPECT_EQ(notice.lbl1.GetFont().Height(), -16);
  EXPECT_EQ(notice.lbl2.GetFont().Height(), -11);

  notice.HandleNeeded();
  ASSERT_TRUE(notice.Handle());
  EXPECT_EQ(WindowText(notice.Handle()), L"");
  const SIZE client = ClientSizeAt96(notice.Handle());
  EXPECT_EQ(client.cx, 270);
  EXPECT_EQ(client.cy, 113);
  const LONG_PTR style = GetWindowLongPtrW(notice.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongPtrW(notice.Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

  const RECT button = BoundsInParent(notice.btn1.Handle());
  EXPECT_EQ(button.left, 175);
  EXPECT_EQ(button.top, 79);
  EXPECT_EQ(button.right - button.left, 75);
  EXPECT_EQ(button.bottom - button.top, 25);
  EXPECT_EQ(WindowText(notice.btn1.Handle()), L"立即更新");
}

TEST(UpdateNotice, OpensCentredOnTheDesktop) {
  TfrmVer notice;
  notice.HandleNeeded();
  RECT window;
  GetWindowRect(notice.Handle(), &window);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  EXPECT_NEAR(window.left + window.right, work.left + work.right, 2);
  EXPECT_NEAR(window.top + window.bottom, work.top + work.bottom, 2);
}

// Shows the notice and lets `close` end it from inside its modal loop.
void ShowAndClose(TfrmVer& notice, void (*close)(TfrmVer&)) {
  notice.HandleNeeded();
  close(notice);
  notice.ShowModal();
}

void PressUpdateNow(TfrmVer& notice) { Press(notice.btn1.Handle()); }
void CloseWindow(TfrmVer& notice) { PostMessageW(notice.Handle(), WM_CLOSE, 0, 0); }

// A program a hostile descriptor might name: the powershell.exe double, which logs any run.
std::wstring SomeProgram() { return ProgramBesideTest(L"powershell.exe"); }

TEST(UpdateNotice, UpdateNowHandsOnlyWebAddressesToTheShellAndClosesEitherWay) {
  BrowserDouble browser;
  const PsDoubleEnv programRuns;
  const struct {
    std::wstring url;
    const wchar_t* opened;  // as the browser gets it (the shell lower-cases the scheme); null: none
  } cases[] = {
      {L"http://127.0.0.1/marvolena/download.html", L"http://127.0.0.1/marvolena/download.html"},
      {L"HTTPS://127.0.0.1/marvolena/download.html?v=1.1&from=app",
       L"https://127.0.0.1/marvolena/download.html?v=1.1&from=app"},
      {L"", nullptr},
      {SomeProgram(), nullptr},
      {FileUrl(SomeProgram()), nullptr},
      {L"powershell.exe", nullptr},
      {L"\\\\127.0.0.1\\share\\setup.exe", nullptr},
      {L"http://127.0.0.1/a\r\n" + SomeProgram(), nullptr},
  };
  std::vector<std::wstring> expected;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.url));
    TfrmVer notice;
    notice.SetUpdate(L"1.1", L"1.0", c.url);
    ShowAndClose(notice, PressUpdateNow);
    EXPECT_FALSE(notice.Visible());
    EXPECT_FALSE(IsWindowVisible(notice.Handle()));
    if (c.opened) expected.push_back(c.opened);
  }
  // The shell hands addresses over in the background: wait for the expected ones, then a
  // little longer for any that should not come at all.
  browser.WaitForOpened(expected.size());
  EXPECT_THAT(browser.OpenedWithin(std::chrono::milliseconds(1500)),
              UnorderedElementsAreArray(expected));
  EXPECT_EQ(programRuns.invocations().size(), 0u) << "the program the notice named was run";
}

TEST(UpdateNotice, ClosingItOtherwiseOpensNothing) {
  BrowserDouble browser;
  TfrmVer notice;
  notice.SetUpdate(L"1.1", L"1.0", L"http://127.0.0.1/download.html");
  ShowAndClose(notice, CloseWindow);
  EXPECT_FALSE(IsWindowVisible(notice.Handle()));
  EXPECT_THAT(browser.OpenedWithin(std::chrono::milliseconds(1500)), IsEmpty());
}

}  // namespace
