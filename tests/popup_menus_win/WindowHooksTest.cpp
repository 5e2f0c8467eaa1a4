// The hooks through which the engine reaches windows it did not make: the window-creation
// hook hands popup menu windows to the menu skinning, the hook in front of the main form
// sees the deferred border messages before the form and whatever stands in front of it.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/data/sSkinManager.h"
#include "skin/forms/acAppWindowHook.h"
#include "skin/forms/acWindowHook.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/UiDriver.h"

namespace {

class RecordingAdopter final : public IacPopupWindowAdopter {
 public:
  bool Adopted(HWND window) const override {
    for (HWND w : adopted) if (w == window) return true;
    return false;
  }
  void AdoptPopupWindow(HWND window) override {
    adopted.push_back(window);
    wchar_t name[16] = L"";
    GetClassNameW(window, name, 16);
    classes.push_back(name);
  }
  void ReleasePopupWindows() override { ++releases; }
  std::vector<HWND> adopted;
  std::vector<std::wstring> classes;
  int releases = 0;
};

class RecordingBorders final : public IacDeferredMenuBorders {
 public:
  void BorderForPopup(uintptr_t key) override { popupKeys.push_back(key); }
  void BorderForWindow(HWND window) override { windows.push_back(window); }
  std::vector<uintptr_t> popupKeys;
  std::vector<HWND> windows;
};

struct WindowCloser {
  void operator()(HWND w) const noexcept { DestroyWindow(w); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowCloser>;

UniqueWindow MakePopupMenuWindow() {
  return UniqueWindow(CreateWindowExW(0, MAKEINTATOM(32768), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
}

UniqueWindow MakePlainWindow() {
  return UniqueWindow(
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

class WindowHooksTest : public ::testing::Test {
 protected:
  RecordingHost host_;
  marv::Application app_;
  TsSkinManager manager_{host_};
  RecordingAdopter adopter_;
};

TEST_F(WindowHooksTest, PopupMenuWindowsGoToTheMenuSkinningOnlyWhileInstalled) {
  TacWindowHook hook(manager_, &adopter_);
  { auto before = MakePopupMenuWindow(); }
  EXPECT_TRUE(adopter_.adopted.empty());

  hook.Install();
  ASSERT_TRUE(hook.Installed());
  auto menu = MakePopupMenuWindow();
  ASSERT_NE(menu, nullptr);
  auto plain = MakePlainWindow();
  ASSERT_EQ(adopter_.adopted.size(), 1u);
  EXPECT_EQ(adopter_.adopted[0], menu.get());

  hook.Uninstall();
  EXPECT_FALSE(hook.Installed());
  EXPECT_EQ(adopter_.releases, 1);  // the adapters go with the hook
  { auto after = MakePopupMenuWindow(); }
  EXPECT_EQ(adopter_.adopted.size(), 1u);
}

TEST_F(WindowHooksTest, PopupMenusStayUnskinnedWhileSkinnedPopupsIsOff) {
  TacWindowHook hook(manager_, &adopter_);
  hook.Install();
  manager_.SetSkinnedPopups(false);
  { auto menu = MakePopupMenuWindow(); }
  EXPECT_TRUE(adopter_.adopted.empty());
  manager_.SetSkinnedPopups(true);
  { auto menu = MakePopupMenuWindow(); }
  EXPECT_EQ(adopter_.adopted.size(), 1u);
}

TEST_F(WindowHooksTest, TheMenuOfATrackedPopupIsAdopted) {
  TacWindowHook hook(manager_, &adopter_);
  hook.Install();
  marv::Form& owner = app_.CreateForm<marv::Form>(L"owner");
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"one");
  // The menu loop runs inside TrackPopupMenu: a timer ends it once the window is up.
  SetTimer(owner.Handle(), 1, 50, [](HWND w, UINT, UINT_PTR id, DWORD) {
    KillTimer(w, id);
    EndMenu();
  });
  TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, owner.Handle(), nullptr);
  DestroyMenu(menu);
  EXPECT_EQ(adopter_.classes, std::vector<std::wstring>{L"#32768"});
}

class AppWindowHookTest : public WindowHooksTest {
 protected:
  void SetUp() override {
    form_ = &app_.CreateForm<marv::Form>(L"main");
    // Something put in front of the form's WindowProc later, as a frame skinning would.
    form_->WindowProc = [this, next = form_->WindowProc](marv::Message& m) {
      if (m.Msg == WM_ACMENUBORDER || m.Msg == WM_ACMENUWINDOWBORDER) ++reachedForm_;
      next(m);
    };
  }
  marv::Form* form_ = nullptr;
  int reachedForm_ = 0;
  RecordingBorders borders_;
};

TEST_F(AppWindowHookTest, DeferredBordersAreHandledAheadOfTheFormAndWhatStandsInFrontOfIt) {
  TacAppWindowHook hook(app_, manager_, &borders_);
  PostMessageW(form_->Handle(), WM_ACMENUBORDER, 0, 77);
  PostMessageW(form_->Handle(), WM_ACMENUWINDOWBORDER, 0, reinterpret_cast<LPARAM>(form_->Handle()));
  uitest::PumpFor(50);
  EXPECT_EQ(borders_.popupKeys, std::vector<uintptr_t>{77});
  EXPECT_EQ(borders_.windows, std::vector<HWND>{form_->Handle()});
  EXPECT_EQ(reachedForm_, 0);
}

TEST_F(AppWindowHookTest, WithoutSkinnedPopupsOrOnceGoneTheMessagesPassOn) {
  {
    TacAppWindowHook hook(app_, manager_, &borders_);
    manager_.SetSkinnedPopups(false);
    SendMessageW(form_->Handle(), WM_ACMENUBORDER, 0, 1);
    manager_.SetSkinnedPopups(true);
  }
  SendMessageW(form_->Handle(), WM_ACMENUBORDER, 0, 2);
  EXPECT_TRUE(borders_.popupKeys.empty());
  EXPECT_EQ(reachedForm_, 2);
}

TEST_F(AppWindowHookTest, AtMostOneDeferredBorderWaitsInTheQueue) {
  TacAppWindowHook hook(app_, manager_, &borders_);
  EXPECT_TRUE(PostDeferredMenuBorder(form_->Handle(), WM_ACMENUBORDER, 1));
  EXPECT_FALSE(PostDeferredMenuBorder(form_->Handle(), WM_ACMENUBORDER, 2));
  EXPECT_FALSE(PostDeferredMenuBorder(form_->Handle(), WM_ACMENUWINDOWBORDER, 3));
  uitest::PumpFor(30);
  EXPECT_TRUE(PostDeferredMenuBorder(form_->Handle(), WM_ACMENUWINDOWBORDER, 4));
  uitest::PumpFor(30);
  EXPECT_EQ(borders_.popupKeys, std::vector<uintptr_t>{1});
  EXPECT_EQ(borders_.windows, std::vector<HWND>{reinterpret_cast<HWND>(4)});
}

}  // namespace
