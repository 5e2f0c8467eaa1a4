// The powershell.exe double itself: other tests trust what it records.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/UniqueHandle.h"
#include "common/uCommonFunc.h"
#include "tests/support/TestFiles.h"
#include "tests/doubles/powershell/PsDoubleLog.h"

using ::testing::ElementsAre;
using ::testing::Pair;

TEST(PsDouble, RecordsCommandLineStartupAndEveryScriptItNames) {
  TempFolder folder;
  const std::string bytes = "Get-AppxPackage \"x\" | ForEach {\xC3\xA9}\r\n";
  WriteBytes(folder / L"one.ps1", bytes);
  WriteBytes(folder / L"Upper.PS1", "");
  const std::wstring missing = folder / L"gone.ps1";
  const std::wstring commandLine = L"powershell.exe " + (folder / L"one.ps1") + L" -x " +
                                   (folder / L"Upper.PS1") + L"\t" + missing +
                                   L" not.ps1x 卸载";
  PsDoubleEnv env(3);

  ASSERT_EQ(RunProcess(commandLine, SW_HIDE, true), 3);

  const auto runs = env.invocations();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].commandLine, commandLine);
  EXPECT_EQ(runs[0].show, SW_HIDE);
  EXPECT_THAT(runs[0].scripts, ElementsAre(Pair(folder / L"one.ps1", bytes),
                                           Pair(folder / L"Upper.PS1", ""),
                                           Pair(missing, kPsDoubleMissing)));
}

TEST(PsDouble, ParserKeepsOnlyFinishedRecords) {
  const auto runs = ParsePsDoubleLog(
      "CMD a b.ps1\r\nSHOW 0 FLAGS 129\r\nSCRIPT b.ps1\r\nBYTES 410d0a\r\nEND\r\n"
      "CMD half\nSHOW 5 FLAGS 1\n");
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].commandLine, L"a b.ps1");
  EXPECT_EQ(runs[0].flags, 129u);
  EXPECT_THAT(runs[0].scripts, ElementsAre(Pair(L"b.ps1", "A\r\n")));
}

TEST(PsDouble, DoublesRunningAtOnceKeepTheirRecordsWhole) {
  PsDoubleEnv env(0, 300);
  constexpr int kRuns = 4;
  std::vector<marv::UniqueHandle> children;
  for (int i = 0; i < kRuns; ++i) {
    uint32_t id = 0;
    RunProcess(L"powershell.exe run" + std::to_wstring(i), SW_HIDE, false, &id);
    children.push_back(marv::AdoptHandle(OpenProcess(SYNCHRONIZE, FALSE, id)));
    ASSERT_TRUE(children.back());
  }
  for (const auto& child : children) WaitForSingleObject(child.get(), 10000);

  std::vector<std::wstring> commandLines;
  for (const auto& run : env.invocations()) commandLines.push_back(run.commandLine);
  std::sort(commandLines.begin(), commandLines.end());
  EXPECT_THAT(commandLines, ElementsAre(L"powershell.exe run0", L"powershell.exe run1",
                                        L"powershell.exe run2", L"powershell.exe run3"));
}
