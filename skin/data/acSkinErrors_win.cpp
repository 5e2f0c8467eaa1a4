#include "skin/data/acSkinErrors_win.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::wstring Utf8ToWide(std::string_view text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

// Disables the visible, enabled top-level windows of this thread except the box's owner
// (which the box disables itself) and enables them again when it goes out of scope.
class ThreadWindowsDisabled {
 public:
  explicit ThreadWindowsDisabled(HWND owner) : owner_(owner) {
    EnumThreadWindows(GetCurrentThreadId(), &ThreadWindowsDisabled::Visit, reinterpret_cast<LPARAM>(this));
    for (HWND w : disabled_) EnableWindow(w, FALSE);
  }
  ~ThreadWindowsDisabled() {
    for (HWND w : disabled_)
      if (IsWindow(w)) EnableWindow(w, TRUE);
  }
  ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
  ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Visit(HWND w, LPARAM self) {
    auto* me = reinterpret_cast<ThreadWindowsDisabled*>(self);
    if (w != me->owner_ && IsWindowVisible(w) && IsWindowEnabled(w)) me->disabled_.push_back(w);
    return TRUE;
  }
  HWND owner_;
  std::vector<HWND> disabled_;
};

}  // namespace

void MessageBoxErrorSink::ShowError(std::string_view text) {
  const std::wstring message = Utf8ToWide(text);
  const std::wstring caption = Utf8ToWide(kErrorCaption);
  const HWND owner = GetActiveWindow();
  const HWND focused = GetFocus();
  {
    ThreadWindowsDisabled others(owner);
    MessageBoxW(owner, message.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
  }
  if (owner && IsWindow(owner)) SetActiveWindow(owner);
  if (focused && IsWindow(focused)) SetFocus(focused);
}
