// The start-up update check of the whole program, run as its own process against a
// descriptor server on 127.0.0.1, with the browser replaced by a double.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/doubles/powershell/PsDoubleLog.h"
#include "tests/update/ClosedLoopbackPort.h"
#include "tests/update/ProgramTest.h"

namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;

std::string Ascii(const std::wstring& text) { return std::string(text.begin(), text.end()); }

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class StartupUpdateTest : public ProgramTest {
 protected:
  std::wstring downloadPage() const { return server_.url(L"/download/marvolena-1.1.html"); }
  static std::string newerDescriptor(const std::wstring& url) {
    return "[MAIN]\r\nVER=1.1\r\nURL=" + Ascii(url) + "\r\nDetail=a&b\r\n";
  }
};

TEST_F(StartupUpdateTest, OfflineSaysSoOnceAndTheMainWindowStaysUsable) {
  const ClosedLoopbackPort closed;
  ScopedEnvironmentVariable offline(kTestServerVariable,
                                    L"http://127.0.0.1:" + std::to_wstring(closed.port()));
  ProgramUnderTest program(ProgramPath());
  ASSERT_TRUE(program.Started());

  HWND box = program.WaitForWindow(IsMessageBox);
  ASSERT_TRUE(box);
  EXPECT_EQ(WindowText(box), L"提示");
  EXPECT_EQ(MessageBoxText(box), L"当前无网络");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(winehost::WaitUntil([&] { return !IsWindow(box); }));

  HWND main = program.WaitForWindow(IsMainWindow);
  ASSERT_TRUE(main);
  WaitUntilIdle(main);
  EXPECT_FALSE(program.WaitForWindow(IsMessageBox, 1500ms)) << "the box came back";
  EXPECT_TRUE(IsWindowEnabled(main));

  // Usable: the About window opens and closes.
  ClickAt(main, 308 + 42, 203 + 11);
  HWND about = program.WaitForWindow(IsAboutWindow, 10s);
  ASSERT_TRUE(about);
  Press(FindChildWithText(about, L"确定"));
  EXPECT_TRUE(winehost::WaitUntil([&] { return !IsWindowVisible(about); }));
  closeNormally(program, main);
}

TEST_F(StartupUpdateTest, SameVersionShowsNothingAndTheProgramStays) {
  publish("[MAIN]\r\nVER=1.0\r\nURL=http://127.0.0.1/download.html\r\n");
  ProgramUnderTest program(ProgramPath());
  HWND main = program.WaitForWindow(IsMainWindow);
  ASSERT_TRUE(main);
  WaitForTheCheckToEnd();
  EXPECT_THAT(program.Windows(), ElementsAre(main));
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_FALSE(Exists(localCopy())) << "the descriptor's copy is left behind";
  closeNormally(program, main);
  EXPECT_THAT(browser_.OpenedWithin(0ms), IsEmpty());
}

TEST_F(StartupUpdateTest, NewerVersionShowsTheNoticeWhoseButtonOpensTheDownloadPageAndEnds) {
  publish(newerDescriptor(downloadPage()));
  ProgramUnderTest program(ProgramPath());
  HWND notice = program.WaitForWindow(IsUpdateNotice);
  ASSERT_TRUE(notice);
  const SIZE client = ClientSizeAt96(notice);
  EXPECT_EQ(client.cx, 270);
  EXPECT_EQ(client.cy, 113);
  EXPECT_FALSE(Exists(localCopy())) << "the descriptor's copy is left behind";

  Press(FindChildWithText(notice, L"立即更新"));
  DWORD exitCode = 1;
  EXPECT_TRUE(program.WaitForExit(10s, &exitCode));
  EXPECT_EQ(exitCode, 0u);
  EXPECT_THAT(browser_.WaitForOpened(1), ElementsAre(downloadPage()));
}

TEST_F(StartupUpdateTest, ClosingTheNoticeWithoutItsButtonOpensNothingAndStillEnds) {
  publish(newerDescriptor(downloadPage()));
  ProgramUnderTest program(ProgramPath());
  HWND notice = program.WaitForWindow(IsUpdateNotice);
  ASSERT_TRUE(notice);

  PostMessageW(notice, WM_CLOSE, 0, 0);  // as Alt+F4 would
  DWORD exitCode = 1;
  EXPECT_TRUE(program.WaitForExit(10s, &exitCode));
  EXPECT_EQ(exitCode, 0u);
  EXPECT_THAT(browser_.OpenedWithin(1500ms), IsEmpty());
}

TEST_F(StartupUpdateTest, ANoticeWithoutAWebAddressOpensNothingAndStillEnds) {
  const PsDoubleEnv programRuns;  // the program a hostile descriptor names logs any run
  const std::wstring program = ProgramBesideTest(L"powershell.exe");
  for (const std::wstring& url : {FileUrl(program), program, std::wstring()}) {
    SCOPED_TRACE(testing::PrintToString(url));
    publish(newerDescriptor(url));
    ProgramUnderTest marvolena(ProgramPath());
    HWND notice = marvolena.WaitForWindow(IsUpdateNotice);
    ASSERT_TRUE(notice);
    Press(FindChildWithText(notice, L"立即更新"));
    EXPECT_TRUE(marvolena.WaitForExit(10s));
  }
  EXPECT_THAT(browser_.OpenedWithin(1500ms), IsEmpty());
  EXPECT_EQ(programRuns.invocations().size(), 0u) << "the program the notice named was run";
}

TEST_F(StartupUpdateTest, AFailedDownloadDeletesNothing) {
  const ClosedLoopbackPort closed;  // the probe succeeds, the descriptor's server is gone
  ScopedEnvironmentVariable unreachable(kDescriptorServerVariable,
                                        L"http://127.0.0.1:" + std::to_wstring(closed.port()));
  const std::string stale = "[MAIN]\r\nVER=9.9\r\n";
  WriteBytes(localCopy(), stale);
  ProgramUnderTest program(ProgramPath());
  HWND main = program.WaitForWindow(IsMainWindow);
  ASSERT_TRUE(main);
  WaitForTheCheckToEnd();
  EXPECT_THAT(program.Windows(), ElementsAre(main));
  EXPECT_EQ(ReadBytes(localCopy()), stale);
  closeNormally(program, main);
}

}  // namespace
