#include "skin/data/acSkinErrors_win.h"

#include <windows.h>

#include <string>

#include "common/ThreadWindowsDisabled.h"

namespace {

std::wstring Utf8ToWide(std::string_view text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

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
