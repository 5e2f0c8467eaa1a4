#include "skin/data/acSystemLook_win.h"

#include <windows.h>

namespace {
// Functions of newer systems, looked up at run time so that older ones still start.
template <typename Fn>
Fn LoadProc(const wchar_t* module, const char* name) {
  HMODULE m = GetModuleHandleW(module);
  if (m == nullptr) m = LoadLibraryW(module);
  return m ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m, name))) : nullptr;
}
}  // namespace

uint32_t TacWindowsSystemLook::SysColor(int index) const { return GetSysColor(index); }

int TacWindowsSystemLook::SizingFrameWidth() const {
  using MetricsForDpi = int(WINAPI*)(int, UINT);
  static const auto forDpi = LoadProc<MetricsForDpi>(L"user32.dll", "GetSystemMetricsForDpi");
  return forDpi ? forDpi(SM_CXSIZEFRAME, 96) : GetSystemMetrics(SM_CXSIZEFRAME);
}

int TacWindowsSystemLook::SystemPPI() const {
  HDC dc = GetDC(nullptr);
  const int ppi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
  if (dc) ReleaseDC(nullptr, dc);
  return ppi > 0 ? ppi : 96;
}

bool TacWindowsSystemLook::CompositionEnabled() const {
  using IsEnabled = HRESULT(WINAPI*)(BOOL*);
  static const auto isEnabled = LoadProc<IsEnabled>(L"dwmapi.dll", "DwmIsCompositionEnabled");
  BOOL on = FALSE;
  return isEnabled && SUCCEEDED(isEnabled(&on)) && on;
}
