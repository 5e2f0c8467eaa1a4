#pragma once
// The program's real forms, made as at start, with a fresh temporary folder, the
// powershell.exe double logging what it was asked to run, and a watcher answering boxes.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "app/InstallScript.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "tests/doubles/powershell/PsDoubleLog.h"
#include "tests/support/UiDriver.h"

inline constexpr wchar_t kNoticeCaption[] = L"提示";

inline bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline std::string ResourceScript(const wchar_t* name) {
  return LoadInstallScript(name).value_or("(no such script)");
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    originalTemp_ = Environment(L"temp");
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    tempRoot_ = std::wstring(folder) + L"mw-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount());
    CreateDirectoryW(tempRoot_.c_str(), nullptr);
    UseTemp(tempRoot_);

    app_ = std::make_unique<marv::Application>();
    CreateProgramForms(*app_);
    form_ = static_cast<TForm1*>(app_->MainForm());
    // The real start: showing the window runs the update check, whose box (no network
    // here) is answered and left out of what the tests look at.
    form_->Show();
    uitest::PumpFor(20);
    watcher_.ForgetBoxes();
  }
  void TearDown() override {
    app_.reset();
    SetEnvironmentVariableW(L"temp", originalTemp_.c_str());
    RemoveTree(tempRoot_);
  }

  static std::wstring Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2] = {};
    GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    return value;
  }
  static void UseTemp(const std::wstring& folder) { SetEnvironmentVariableW(L"temp", folder.c_str()); }
  static void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          RemoveTree(folder + L"\\" + name);
        else
          DeleteFileW((folder + L"\\" + name).c_str());
      } while (FindNextFileW(find, &entry));
      FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
  }

  // The next app click chooses this item of the app menu (null: closes it unchosen).
  void NextMenuChoice(marv::MenuItem* item) {
    form_->pm1->SetTracker([this, item](HMENU, POINT at, HWND) {
      menuShownAt_ = at;
      return item ? item->Command() : 0u;
    });
  }
  // Clicks an app button and chooses a command of its menu; returns when it has run.
  void RunAppCommand(marv::SpeedButton* button, marv::MenuItem* item) {
    NextMenuChoice(item);
    uitest::Click(*button);
    uitest::PumpFor(50);  // the chosen command arrives through the queue and runs
  }
  std::vector<PsInvocation> Runs() const { return ps_.invocations(); }
  bool WaitForRuns(size_t count, int timeoutMs = 10000) {
    return uitest::PumpUntil([&] { return Runs().size() >= count; }, timeoutMs);
  }
  bool WaitForBoxes(size_t count, int timeoutMs = 10000) {
    return uitest::PumpUntil([&] { return watcher_.Boxes().size() >= count; }, timeoutMs);
  }

  std::wstring originalTemp_;
  std::wstring tempRoot_;
  PsDoubleEnv ps_;
  uitest::WindowWatcher watcher_;
  std::unique_ptr<marv::Application> app_;
  TForm1* form_ = nullptr;
  POINT menuShownAt_{-1, -1};
};
