#include "skin/data/acZLibExNames.h"

#include <windows.h>

namespace {

std::wstring ToWide(UINT codePage, DWORD flags, const char* text, int size) {
  if (size == 0) return {};
  const int n = MultiByteToWideChar(codePage, flags, text, size, nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, flags, text, size, wide.data(), n);
  return wide;
}

}  // namespace

std::string AnsiToUtf8(std::span<const uint8_t> ansi) {
  const std::wstring wide =
      ToWide(CP_ACP, 0, reinterpret_cast<const char*>(ansi.data()), static_cast<int>(ansi.size()));
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n, nullptr, nullptr);
  return utf8;
}

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
  if (utf8.empty()) return std::string();
  const std::wstring wide = ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()));
  if (wide.empty()) return std::nullopt;
  if (GetACP() == CP_UTF8) return std::string(utf8);  // the no-loss flag is not allowed for UTF-8
  BOOL lossy = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, &lossy);
  if (n <= 0 || lossy) return std::nullopt;
  std::string ansi(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), ansi.data(), n,
                      nullptr, &lossy);
  return ansi;
}
