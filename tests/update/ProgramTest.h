#pragma once
// Base of the tests that run the whole program (the build whose update check asks the
// test's servers): a private temporary folder, a descriptor server on 127.0.0.1, the
// browser double, and how to find the program's windows.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tests/support/LocalHttpServer.h"
#include "tests/support/TestFiles.h"
#include "tests/update/BrowserDouble.h"
#include "tests/update/ProgramUnderTest.h"
#include "tests/update/ScopedEnvironmentVariable.h"
#include "tests/update/TestServerAddresses.h"

inline bool IsMainWindow(HWND w) { return WindowText(w) == L"Marvolena v1.0"; }
inline bool IsAboutWindow(HWND w) { return WindowText(w) == L"关于" && !IsMessageBox(w); }
inline bool IsUpdateNotice(HWND w) {
  return !IsMessageBox(w) && WindowText(w).empty() && FindChildWithText(w, L"立即更新");
}

// Waits until the program's UI thread has handled everything sent before. The download
// inside the start-up check dispatches messages too, so this does not mean the check is done.
inline void WaitUntilIdle(HWND window) {
  DWORD_PTR ignored;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &ignored);
}

// Time for a start-up check against a server on this machine to be surely over: it takes
// well under a second, and nothing outside shows when it ends without a notice.
inline void WaitForTheCheckToEnd() { Sleep(2000); }

class ProgramTest : public testing::Test {
 protected:
  ProgramTest() { CreateDirectoryW((site_ / L"updates").c_str(), nullptr); }

  // The program, built beside the test with its update check pointed at our servers.
  static std::wstring ProgramPath() { return ProgramBesideTest(L"MarvolenaLocal.exe"); }
  void publish(const std::string& descriptor) { WriteBytes(site_ / kDescriptorFile, descriptor); }
  std::wstring localCopy() const { return temp_ / L"_Update.INI"; }

  // Closes the main window and expects the program to end normally.
  static void closeNormally(ProgramUnderTest& program, HWND main) {
    PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    EXPECT_TRUE(program.WaitForExit(std::chrono::seconds(10), &exitCode));
    EXPECT_EQ(exitCode, 0u);
  }

  TempFolder temp_;
  ScopedEnvironmentVariable tempVariable_{L"temp", temp_.path().wstring()};
  TempFolder site_;
  LocalHttpServer server_{site_};
  ScopedEnvironmentVariable serverVariable_{kTestServerVariable, server_.url(L"")};
  BrowserDouble browser_;
};
