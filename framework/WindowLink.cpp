#include "framework/WindowLink.h"

namespace marv {

bool WindowLink::Post(UINT msg, WPARAM wParam, LPARAM lParam) {
  std::lock_guard lock(mutex_);
  return window_ && PostMessageW(window_, msg, wParam, lParam);
}

void WindowLink::Detach() {
  std::lock_guard lock(mutex_);
  window_ = nullptr;
}

bool WindowLink::Attached() {
  std::lock_guard lock(mutex_);
  return window_ != nullptr;
}

}  // namespace marv
