#pragma once
// The program's real forms made and shown as at start, with the update check's box (no
// network here) answered, for Wine tests that look at the running program.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "app/Startup.h"
#include "app/Unit1.h"
#include "skin/data/sSkinManager.h"
#include "tests/support/UiDriver.h"

class ProgramFormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<marv::Application>();
    CreateProgramForms(*app_);
    form_ = static_cast<TForm1*>(app_->MainForm());
    form_->Show();
    SetForegroundWindow(form_->Handle());
    uitest::PumpFor(200);
    ASSERT_TRUE(form_->sknmngr1->IsActive());
  }
  void TearDown() override { app_.reset(); }

  uitest::WindowWatcher watcher_;
  std::unique_ptr<marv::Application> app_;
  TForm1* form_ = nullptr;
};

// Runs a program with a command line and waits for it while this thread keeps answering
// messages (the program may send to this thread's windows); its exit code, or -1 when it
// could not start or did not end within `timeoutMs`.
inline int RunAndPump(std::wstring commandLine, int timeoutMs = 60000) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child))
    return -1;
  CloseHandle(child.hThread);
  const bool ended =
      uitest::PumpUntil([&] { return WaitForSingleObject(child.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
  DWORD code = 0;
  GetExitCodeProcess(child.hProcess, &code);
  CloseHandle(child.hProcess);
  return ended ? static_cast<int>(code) : -1;
}

// This test program's own path, quoted for a command line.
inline std::wstring QuotedThisProgram() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return L"\"" + std::wstring(self) + L"\"";
}
