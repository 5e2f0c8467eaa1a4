#pragma once
// Driving real windows from a test on the UI thread: pumping messages while waiting,
// clicking controls through the framework's mouse path, and a watcher that reads and
// answers message boxes, closes named windows and sees popup menus while they are up.
#include <windows.h>

#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "framework/Control.h"
#include "framework/WinControl.h"

namespace uitest {

// Runs this thread's messages until done() holds or the time is up; true when it held.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;  // tests look at Application::Terminated
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

inline void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

// The window that gets the mouse over a control, and the control's centre in it.
inline HWND MouseTarget(marv::Control& control, POINT& centre) {
  if (control.IsWindowed()) {
    centre = POINT{control.Width() / 2, control.Height() / 2};
    return static_cast<marv::WinControl&>(control).Handle();
  }
  const RECT r = control.BoundsRect();
  centre = POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  return control.Parent()->Handle();
}

// A left click at the control's centre, as the window under the mouse receives it.
inline void Click(marv::Control& control) {
  POINT at;
  HWND window = MouseTarget(control, at);
  const LPARAM where = MAKELPARAM(at.x, at.y);
  SendMessageW(window, WM_MOUSEMOVE, 0, where);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
  SendMessageW(window, WM_LBUTTONUP, 0, where);
}

// A message box as it was on the screen.
struct SeenBox {
  std::wstring caption;
  std::wstring text;
  const wchar_t* icon = nullptr;  // IDI_INFORMATION, IDI_WARNING, IDI_QUESTION, IDI_ERROR
  std::set<int> buttons;
  HWND window = nullptr;  // valid while onBox runs
};

// Looks at this thread's windows every 20 ms, from whatever message loop is running
// (a message box's, a menu's, a modal form's or the test's own pump).
class WindowWatcher {
 public:
  WindowWatcher() {
    active_ = this;
    timer_ = SetTimer(nullptr, 0, 20, &Tick);
  }
  ~WindowWatcher() {
    KillTimer(nullptr, timer_);
    active_ = nullptr;
  }
  WindowWatcher(const WindowWatcher&) = delete;
  WindowWatcher& operator=(const WindowWatcher&) = delete;

  bool answerYes = true;                             // to Yes/No boxes; others get OK
  bool answerBoxes = true;                           // false: onBox answers them itself
  std::function<void(const SeenBox&)> onBox;         // while the box is up
  std::vector<std::wstring> closeCaptions;           // windows to close when shown
  std::function<void(HWND menu)> onMenu;             // a popup menu window is up

  const std::vector<SeenBox>& Boxes() const { return boxes_; }
  void ForgetBoxes() { boxes_.clear(); }
  const std::vector<std::wstring>& Closed() const { return closed_; }

 private:
  static std::wstring ClassOf(HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
  }
  static std::wstring TextOf(HWND w) {
    wchar_t text[512] = {};
    GetWindowTextW(w, text, 512);
    return text;
  }
  static const wchar_t* IconName(HICON icon) {
    for (const wchar_t* id : {IDI_INFORMATION, IDI_WARNING, IDI_QUESTION, IDI_ERROR}) {
      if (icon && icon == LoadIconW(nullptr, id)) return id;
    }
    return nullptr;
  }
  SeenBox Read(HWND box) {
    SeenBox seen{TextOf(box), {}, nullptr, {}, box};
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      const std::wstring cls = ClassOf(child);
      const LONG style = GetWindowLongW(child, GWL_STYLE);
      if (_wcsicmp(cls.c_str(), L"Button") == 0 && IsWindowVisible(child))
        seen.buttons.insert(GetDlgCtrlID(child));
      else if (_wcsicmp(cls.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON)
        seen.icon = IconName(reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)));
      else if (_wcsicmp(cls.c_str(), L"Static") == 0 && GetDlgCtrlID(child) == 0xFFFF)
        seen.text = TextOf(child);
    }
    return seen;
  }
  static BOOL CALLBACK Visit(HWND w, LPARAM self) {
    reinterpret_cast<WindowWatcher*>(self)->Look(w);
    return TRUE;
  }
  void Look(HWND w) {
    if (!IsWindowVisible(w) || handled_.count(w)) return;
    const std::wstring cls = ClassOf(w);
    if (cls == L"#32770") {
      handled_.insert(w);
      boxes_.push_back(Read(w));
      if (onBox) onBox(boxes_.back());
      if (!answerBoxes) return;
      const int answer = boxes_.back().buttons.count(IDYES) ? (answerYes ? IDYES : IDNO) : IDOK;
      PostMessageW(w, WM_COMMAND, answer, 0);
    } else if (cls == L"#32768") {
      handled_.insert(w);
      if (onMenu) onMenu(w);
    } else {
      const std::wstring caption = TextOf(w);
      for (const auto& wanted : closeCaptions) {
        if (caption == wanted) {
          handled_.insert(w);
          closed_.push_back(caption);
          PostMessageW(w, WM_CLOSE, 0, 0);
        }
      }
    }
  }
  void Scan() {
    for (auto it = handled_.begin(); it != handled_.end();)
      it = (IsWindow(*it) && IsWindowVisible(*it)) ? std::next(it) : handled_.erase(it);
    EnumThreadWindows(GetCurrentThreadId(), &Visit, reinterpret_cast<LPARAM>(this));
    // Menus belong to the desktop's thread list only while shown.
    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu;
         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
      if (GetWindowThreadProcessId(menu, nullptr) == GetCurrentThreadId()) Look(menu);
    }
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (active_) active_->Scan();
  }

  static inline WindowWatcher* active_ = nullptr;
  UINT_PTR timer_ = 0;
  std::set<HWND> handled_;
  std::vector<SeenBox> boxes_;
  std::vector<std::wstring> closed_;
};

}  // namespace uitest
