#include "tests/update/UiTicker.h"

namespace {

constexpr wchar_t kClassName[] = L"MarvTestTicker";

}  // namespace

UiTicker::UiTicker(std::function<void()> tick) : tick_(std::move(tick)) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &Procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kClassName;
  RegisterClassW(&wc);  // fails harmlessly when an earlier ticker registered it
  window_ = CreateWindowW(kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetTimer(window_, 1, 50, nullptr);
}

UiTicker::~UiTicker() {
  KillTimer(window_, 1);
  DestroyWindow(window_);
}

LRESULT CALLBACK UiTicker::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    if (auto* self = reinterpret_cast<UiTicker*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
      self->tick_();
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}
