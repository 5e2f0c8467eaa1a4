#include "skin/windows/acHeldResources.h"

#include "framework/Form.h"
#include "framework/Timer.h"

namespace {

// A handle given back by `Release` when the owner goes.
template <typename H, auto Release>
class HeldHandle final : public TacHeldResource {
 public:
  explicit HeldHandle(H handle) : handle_(handle) {}
  ~HeldHandle() override { Release(handle_); }
  uintptr_t Handle() const override { return reinterpret_cast<uintptr_t>(handle_); }

 private:
  H handle_;
};

class UiTimer final : public TacHeldResource {
 public:
  UiTimer(UINT milliseconds, std::function<void()> tick) : timer_(milliseconds) {
    timer_.OnTimer = [tick = std::move(tick)](marv::Timer&) { tick(); };
    timer_.SetEnabled(true);
  }
  uintptr_t Handle() const override { return reinterpret_cast<uintptr_t>(&timer_); }

 private:
  marv::Timer timer_;
};

// How many locks hold a window is kept with the window, so only the outermost redraws it.
constexpr wchar_t kLockCount[] = L"MarvSkinLocks";

int LockCount(HWND w) { return static_cast<int>(reinterpret_cast<intptr_t>(GetPropW(w, kLockCount))); }

class FormsUnpainted final : public TacHeldResource {
 public:
  explicit FormsUnpainted(const std::vector<marv::Form*>& forms) {
    for (marv::Form* form : forms) {
      const HWND w = form->Handle();
      if (!w || !IsWindowVisible(w)) continue;
      const int count = LockCount(w);
      if (count == 0) SendMessageW(w, WM_SETREDRAW, FALSE, 0);
      SetPropW(w, kLockCount, reinterpret_cast<HANDLE>(static_cast<intptr_t>(count + 1)));
      windows_.push_back(w);
    }
  }
  ~FormsUnpainted() override {
    for (HWND w : windows_) {
      if (!IsWindow(w)) continue;
      const int count = LockCount(w) - 1;
      if (count > 0) {
        SetPropW(w, kLockCount, reinterpret_cast<HANDLE>(static_cast<intptr_t>(count)));
        continue;
      }
      RemovePropW(w, kLockCount);
      SendMessageW(w, WM_SETREDRAW, TRUE, 0);
      RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
  }
  uintptr_t Handle() const override { return 0; }

 private:
  std::vector<HWND> windows_;
};

}  // namespace

std::unique_ptr<TacHeldResource> HoldMemoryFont(std::span<const uint8_t> fontFile) {
  DWORD installed = 0;
  HANDLE handle = AddFontMemResourceEx(const_cast<uint8_t*>(fontFile.data()), static_cast<DWORD>(fontFile.size()),
                                       nullptr, &installed);
  return handle ? std::make_unique<HeldHandle<HANDLE, &RemoveFontMemResourceEx>>(handle) : nullptr;
}

std::unique_ptr<TacHeldResource> HoldSolidBrush(COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  return brush ? std::make_unique<HeldHandle<HBRUSH, &DeleteObject>>(brush) : nullptr;
}

std::unique_ptr<TacHeldResource> HoldTimer(UINT milliseconds, std::function<void()> tick) {
  return std::make_unique<UiTimer>(milliseconds, std::move(tick));
}

std::unique_ptr<TacHeldResource> HoldFormsUnpainted(const std::vector<marv::Form*>& forms) {
  return std::make_unique<FormsUnpainted>(forms);
}
