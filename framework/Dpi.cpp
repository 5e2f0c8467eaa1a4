#include "framework/Dpi.h"

namespace marv {

int SystemMetricForDpi(int index, int dpi) {
  using MetricsForDpi = int(WINAPI*)(int, UINT);
  static const auto forDpi = [] {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<MetricsForDpi>(
                        reinterpret_cast<void*>(GetProcAddress(user32, "GetSystemMetricsForDpi")))
                  : nullptr;
  }();
  if (forDpi && dpi > 0) return forDpi(index, static_cast<UINT>(dpi));
  const int value = GetSystemMetrics(index);
  const UINT systemDpi = GetDpiForSystem();
  return systemDpi && dpi > 0 ? MulDiv(value, dpi, static_cast<int>(systemDpi)) : value;
}

}  // namespace marv
