#include "skin/windows/acSysColorHooks.h"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <optional>

#include "skin/data/acSysColorRedirect.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acHeldResources.h"
#include "skin/windows/acImportPatch.h"

namespace {

using GetSysColorFn = DWORD(WINAPI*)(int);
using GetSysColorBrushFn = HBRUSH(WINAPI*)(int);
using CreatePenFn = HPEN(WINAPI*)(int, int, COLORREF);

template <typename F>
F SystemFunction(const wchar_t* module, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(module), name)));
}

// The system's own functions, called directly (never through a patched slot).
struct SystemColorFunctions {
  GetSysColorFn GetSysColor = SystemFunction<GetSysColorFn>(L"user32.dll", "GetSysColor");
  GetSysColorBrushFn GetSysColorBrush = SystemFunction<GetSysColorBrushFn>(L"user32.dll", "GetSysColorBrush");
  CreatePenFn CreatePen = SystemFunction<CreatePenFn>(L"gdi32.dll", "CreatePen");
};

const SystemColorFunctions& System() {
  static const SystemColorFunctions functions;
  return functions;
}

class SysColorRedirect;

// The replacements are called by the system's calling convention with no room for a
// context, so the redirection that is on is found here; it is set and cleared under the
// lock that also guards the patching.
std::atomic<SysColorRedirect*> g_redirect{nullptr};
std::mutex g_patchLock;

// The default manager's skin, when one is active.
const TsSkinManager* ActiveSkinManager() {
  const TsSkinManager* manager = TsSkinManager::DefaultManager();
  return manager && manager->IsActive() ? manager : nullptr;
}

TacRedirectColors ColorsOf(const TsSkinManager& manager) {
  return {manager.PaletteColors(), manager.SkinCommonInfo.SysInactiveBorderColor};
}

class SysColorRedirect final : public IacSysColorRedirect {
 public:
  SysColorRedirect() : uiThread_(GetCurrentThreadId()) {}
  ~SysColorRedirect() override { SetRedirected(false); }

  void SetRedirected(bool on) override {
    std::lock_guard lock(g_patchLock);
    if (on == patch_.has_value()) return;
    if (!on) {
      patch_.reset();
      g_redirect = nullptr;
      return;
    }
    g_redirect = this;
    const TacImportRedirect redirects[] = {
        {reinterpret_cast<const void*>(System().GetSysColor), reinterpret_cast<const void*>(&SkinGetSysColor)},
        {reinterpret_cast<const void*>(System().GetSysColorBrush),
         reinterpret_cast<const void*>(&SkinGetSysColorBrush)},
        {reinterpret_cast<const void*>(System().CreatePen), reinterpret_cast<const void*>(&SkinCreatePen)},
    };
    patch_.emplace(redirects);
  }
  bool Redirected() const override { return patch_.has_value(); }

 private:
  // Colours follow the skin only while a form of the program is active and visible.
  bool ActiveFormVisible() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(uiThread_, &info) && info.hwndActive && IsWindowVisible(info.hwndActive);
  }

  static DWORD WINAPI SkinGetSysColor(int index) {
    SysColorRedirect* self = g_redirect;
    if (const TsSkinManager* manager = ActiveSkinManager(); self && manager && self->ActiveFormVisible())
      if (const auto color = RedirectedSysColor(index, ColorsOf(*manager))) return *color;
    return System().GetSysColor(index);
  }

  static HBRUSH WINAPI SkinGetSysColorBrush(int index) {
    SysColorRedirect* self = g_redirect;
    if (TsSkinManager::DefaultManager() == nullptr) return nullptr;
    if (const TsSkinManager* manager = ActiveSkinManager(); self && manager)
      if (const auto entry = RedirectedBrushEntry(index))
        return reinterpret_cast<HBRUSH>(self->brushes_.Brush(*entry, manager->PaletteColors()[*entry]));
    return System().GetSysColorBrush(index);
  }

  static HPEN WINAPI SkinCreatePen(int style, int width, COLORREF color) {
    if (const TsSkinManager* manager = ActiveSkinManager(); manager && g_redirect)
      color = RedirectedPenColor(color, ColorsOf(*manager));
    return System().CreatePen(style, width, color);
  }

  DWORD uiThread_;
  TacSysBrushCache brushes_{[](TColor color) { return HoldSolidBrush(color); }};
  std::optional<TacImportPatch> patch_;
};

}  // namespace

std::unique_ptr<IacSysColorRedirect> MakeSysColorRedirect() { return std::make_unique<SysColorRedirect>(); }
