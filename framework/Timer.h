#pragma once
// A timer of the UI thread: OnTimer runs every Interval milliseconds from the thread's
// message loop while the timer is enabled. It ticks through a message-only window of its
// own, so it needs no form and stops for good when destroyed.
#include <windows.h>

#include <functional>

namespace marv {

class Timer {
 public:
  explicit Timer(UINT intervalMs = 1000);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  UINT Interval() const { return interval_; }
  void SetInterval(UINT ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::function<void(Timer& sender)> OnTimer;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void Restart();

  HWND window_ = nullptr;
  UINT interval_;
  bool enabled_ = false;
};

}  // namespace marv
