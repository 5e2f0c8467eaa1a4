// The Windows error sink puts up a real message box; a watcher thread reads and closes it.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "skin/data/acSkinErrors_win.h"

namespace {

struct SeenBox {
  std::wstring text;
  bool errorIcon = false;
  bool otherWindowDisabled = false;
};

BOOL CALLBACK FindIcon(HWND child, LPARAM found) {
  wchar_t cls[16] = {};
  GetClassNameW(child, cls, 16);
  const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
  if (lstrcmpiW(cls, L"Static") == 0 && icon == LoadIconW(nullptr, IDI_ERROR)) *reinterpret_cast<bool*>(found) = true;
  return TRUE;
}

// Waits for the box, records what it shows, then presses OK.
void Watch(SeenBox& seen, HWND other, std::atomic<bool>& done) {
  for (int i = 0; i < 200 && !done; ++i) {
    if (HWND box = FindWindowW(L"#32770", L"Error")) {
      wchar_t text[256] = {};
      GetDlgItemTextW(box, 0xFFFF, text, 256);
      seen.text = text;
      EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&seen.errorIcon));
      seen.otherWindowDisabled = !IsWindowEnabled(other);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return;
    }
    Sleep(50);
  }
}

TEST(MessageBoxErrorSink, ShowsTheTextWithCaptionErrorAndTheErrorIconWhileOtherWindowsWait) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 0, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
  SetActiveWindow(owner);
  SeenBox seen;
  std::atomic<bool> done{false};
  std::thread watcher(Watch, std::ref(seen), other, std::ref(done));
  MessageBoxErrorSink sink;
  sink.ShowError("Loaded data is not a packed skin file");
  done = true;
  watcher.join();
  EXPECT_EQ(seen.text, L"Loaded data is not a packed skin file");
  EXPECT_TRUE(seen.errorIcon);
  EXPECT_TRUE(seen.otherWindowDisabled);
  EXPECT_TRUE(IsWindowEnabled(other));
  DestroyWindow(other);
  DestroyWindow(owner);
}

}  // namespace
