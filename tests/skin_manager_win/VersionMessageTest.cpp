// "/acver" on the command line: the engine names its version in a box, once, however
// many managers the program makes. This program runs itself with the argument.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "framework/Application.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acFrameworkHost.h"
#include "tests/support/UiDriver.h"

namespace {
bool HasArgument(const wchar_t* wanted) {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  bool found = false;
  for (int i = 1; i < count; ++i) found = found || _wcsicmp(argv[i], wanted) == 0;
  LocalFree(argv);
  return found;
}
}  // namespace

TEST(VersionMessage, ShownOnceForTwoManagers) {
  if (!HasArgument(L"/acver")) GTEST_SKIP() << "runs as the child of VersionMessage.AnsweredOnRequest";
  marv::Application app;
  uitest::WindowWatcher watcher;
  TacFrameworkHost host;
  TsSkinManager first(host);
  TsSkinManager second(host);
  ASSERT_EQ(watcher.Boxes().size(), 1u);
  EXPECT_EQ(watcher.Boxes()[0].text, L"Skin engine v14.31");
}

TEST(VersionMessage, AnsweredOnRequest) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_filter=VersionMessage.ShownOnceForTwoManagers /ACVER";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
  ASSERT_EQ(WaitForSingleObject(child.hProcess, 60000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(child.hProcess, &code);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  EXPECT_EQ(code, 0u) << "the child saw the wrong boxes";
}
