#pragma once
// Runs a callback on this thread about every 50 ms, also inside the modal loops of the
// code under test, for as long as the object lives: lets a test act on windows that a
// call it is waiting for has put up.
#include <windows.h>

#include <functional>

class UiTicker {
 public:
  explicit UiTicker(std::function<void()> tick);
  ~UiTicker();
  UiTicker(const UiTicker&) = delete;
  UiTicker& operator=(const UiTicker&) = delete;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  std::function<void()> tick_;
  HWND window_ = nullptr;
};
