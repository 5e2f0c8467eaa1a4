#pragma once
// A window that other threads may post to for as long as it exists. The window's owner
// detaches the link when the window is destroyed; later posts fail instead of reaching a
// window that is gone (or a new one that got the same handle).
#include <windows.h>

#include <memory>
#include <mutex>

namespace marv {

class WindowLink {
 public:
  explicit WindowLink(HWND window) : window_(window) {}

  // True when the message was queued.
  bool Post(UINT msg, WPARAM wParam, LPARAM lParam);
  // Posts an object in LParam. It belongs to the receiver once queued; when posting
  // fails it stays with `object` and is freed with it.
  template <class T>
  bool PostOwned(UINT msg, WPARAM wParam, std::unique_ptr<T>& object) {
    if (!Post(msg, wParam, reinterpret_cast<LPARAM>(object.get()))) return false;
    object.release();
    return true;
  }
  void Detach();
  bool Attached();

 private:
  std::mutex mutex_;
  HWND window_;
};

// The receiving side of PostOwned.
template <class T>
std::unique_ptr<T> AdoptPosted(LPARAM lParam) {
  return std::unique_ptr<T>(reinterpret_cast<T*>(lParam));
}

}  // namespace marv
