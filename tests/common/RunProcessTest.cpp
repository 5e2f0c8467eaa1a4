// Running command lines: the powershell.exe double beside this test stands in for PowerShell
// and records how it was started.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>

#include "common/UniqueHandle.h"
#include "common/uCommonFunc.h"
#include "tests/support/WineHost.h"
#include "tests/doubles/powershell/PsDoubleLog.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(RunProcess, WaitsForTheChildAndHandsBackItsExitCode) {
  for (int exitCode : {0, 7, -5}) {
    SCOPED_TRACE(exitCode);
    PsDoubleEnv env(exitCode, 400);
    const auto start = Clock::now();

    EXPECT_EQ(RunProcess(L"powershell.exe Get-AppxPackage", SW_HIDE, true), exitCode);

    EXPECT_GE(Clock::now() - start, 400ms);
    EXPECT_EQ(env.invocations().size(), 1u);
  }
}

TEST(RunProcess, PassesCommandLineShowCommandAndStartFlagsToTheChild) {
  struct Case {
    std::wstring commandLine;
    uint16_t show;
  };
  const Case cases[] = {
      {L"PowerShell.exe Get-AppxPackage *3dbuilder* | Remove-AppxPackage", SW_HIDE},
      {L"powershell.exe set-executionpolicy Bypass -Confirm:$false", SW_SHOWMINNOACTIVE},
      {L"powershell.exe \"C:\\a b\\卸载.txt\"  two  blanks", SW_SHOWNORMAL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.commandLine));
    PsDoubleEnv env;

    ASSERT_EQ(RunProcess(c.commandLine, c.show, true), 0);

    const auto runs = env.invocations();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].commandLine, c.commandLine);
    EXPECT_EQ(runs[0].show, c.show);
    EXPECT_EQ(runs[0].flags, unsigned{STARTF_USESHOWWINDOW | STARTF_FORCEOFFFEEDBACK});
  }
}

TEST(RunProcess, MissingProgramGivesMinusOneAndNoProcessId) {
  for (bool wait : {true, false}) {
    SCOPED_TRACE(wait);
    uint32_t processId = 12345;
    EXPECT_EQ(RunProcess(L"marv-no-such-program.exe Get-AppxPackage", SW_HIDE, wait, &processId),
              -1);
    EXPECT_EQ(processId, 12345u);
  }
  EXPECT_EQ(RunProcess(L"", SW_HIDE, true), -1);
}

TEST(RunProcess, WithoutWaitReturnsAtOnceAndHandsBackTheLiveChildsId) {
  PsDoubleEnv env(9, 3000);
  uint32_t processId = 0;
  const auto start = Clock::now();

  EXPECT_EQ(RunProcess(L"powershell.exe Get-AppxPackage", SW_HIDE, false, &processId), -1);

  EXPECT_LT(Clock::now() - start, 2000ms);
  marv::UniqueHandle child = marv::AdoptHandle(
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  ASSERT_TRUE(child) << "no process with id " << processId;
  EXPECT_EQ(WaitForSingleObject(child.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
  ASSERT_EQ(WaitForSingleObject(child.get(), 10000), WAIT_OBJECT_0);
  DWORD exitCode = 0;
  GetExitCodeProcess(child.get(), &exitCode);
  EXPECT_EQ(exitCode, 9u) << "the id is not the double's";
}

TEST(RunProcess, WithoutWaitNeedsNoPlaceForTheId) {
  PsDoubleEnv env;
  EXPECT_EQ(RunProcess(L"powershell.exe Get-AppxPackage", SW_HIDE, false), -1);
  EXPECT_TRUE(winehost::WaitUntil([&] { return env.invocations().size() == 1; }));
}
