#pragma once
// While it lives, the visible, enabled top-level windows of this thread other than one
// (the modal window, or the owner that a message box disables itself) are disabled; they
// are enabled again when it goes out of scope. Header-only: the skin core uses it too.
#include <windows.h>

#include <vector>

class ThreadWindowsDisabled {
 public:
  explicit ThreadWindowsDisabled(HWND except) : except_(except) {
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
    if (w != me->except_ && IsWindowVisible(w) && IsWindowEnabled(w)) me->disabled_.push_back(w);
    return TRUE;
  }

  HWND except_;
  std::vector<HWND> disabled_;
};
