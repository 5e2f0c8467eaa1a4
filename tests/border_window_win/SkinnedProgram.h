#pragma once
// The program's three windows with their frames skinned as the engine's window hook will
// do it (a run-time provider each) and extended borders on, for the border window tests
// and the screenshot tool.
#include <windows.h>

#include <memory>
#include <vector>

#include "app/Startup.h"
#include "app/Unit1.h"
#include "framework/Application.h"
#include "skin/forms/sSkinProvider.h"
#include "tests/support/UiDriver.h"
#include "update/Unit2.h"
#include "update/Unit3.h"

class SkinnedProgram {
 public:
  SkinnedProgram() : app_(std::make_unique<marv::Application>()) {
    CreateProgramForms(*app_);
    main_ = static_cast<TForm1*>(app_->MainForm());
    for (const auto& f : app_->Forms())
      if (auto* about = dynamic_cast<TForm2*>(f.get())) about_ = about;
    notice_ = std::make_unique<TfrmVer>();
    notice_->SetUpdate(L"1.1", L"1.0", L"https://127.0.0.1/");
  }
  ~SkinnedProgram() {
    providers_.clear();
    notice_.reset();
    app_.reset();
  }
  SkinnedProgram(const SkinnedProgram&) = delete;
  SkinnedProgram& operator=(const SkinnedProgram&) = delete;

  // Shows a form with a provider in front of it; its border window comes with the show.
  TsSkinProvider& ShowSkinned(marv::Form& form, int left, int top) {
    form.HandleNeeded();
    providers_.push_back(std::make_unique<TsSkinProvider>(form, false));
    form.Show();  // a form may place itself when shown (About centres on the main window)
    SetWindowPos(form.Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    uitest::PumpFor(100);
    return *providers_.back();
  }

  TForm1& Main() { return *main_; }
  TForm2& About() { return *about_; }
  TfrmVer& Notice() { return *notice_; }

 private:
  uitest::WindowWatcher watcher_;  // answers the start-up check's box (no network here)
  std::unique_ptr<marv::Application> app_;
  TForm1* main_ = nullptr;
  TForm2* about_ = nullptr;
  std::unique_ptr<TfrmVer> notice_;
  std::vector<std::unique_ptr<TsSkinProvider>> providers_;
};

// The visible border windows (engine windows of the glow class) that `owner` owns.
inline std::vector<HWND> BorderWindowsOf(HWND owner) {
  struct Search {
    HWND owner;
    std::vector<HWND> found;
  } search{owner, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(p);
        wchar_t name[64] = {};
        GetClassNameW(w, name, 64);
        if (GetWindow(w, GW_OWNER) == s.owner && IsWindowVisible(w) && lstrcmpW(name, L"TacGlowForm") == 0)
          s.found.push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}
