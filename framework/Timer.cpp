#include "framework/Timer.h"

namespace marv {

namespace {

constexpr wchar_t kTimerClass[] = L"MarvTimer";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

Timer::Timer(UINT intervalMs) : interval_(intervalMs) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(instance, kTimerClass, &wc)) {
    wc.lpfnWndProc = &WindowProcedure;
    wc.hInstance = instance;
    wc.lpszClassName = kTimerClass;
    RegisterClassExW(&wc);
  }
  window_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Timer::~Timer() {
  if (window_) DestroyWindow(window_);  // takes its timer along
}

void Timer::SetInterval(UINT ms) {
  interval_ = ms;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void Timer::Restart() {
  if (!window_) return;
  KillTimer(window_, kTimerId);
  if (enabled_ && interval_ > 0) SetTimer(window_, kTimerId, interval_, nullptr);
}

LRESULT CALLBACK Timer::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && wParam == kTimerId) {
    if (auto* self = reinterpret_cast<Timer*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
      // A copy runs: the handler may end the timer (and with it OnTimer) while it runs.
      if (self->enabled_ && self->OnTimer) {
        const auto handler = self->OnTimer;
        handler(*self);
      }
    }
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace marv
