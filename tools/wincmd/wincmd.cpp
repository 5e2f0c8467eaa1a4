// wincmd: small remote control for top-level windows, used by the run script.
//   wincmd wait <caption> [seconds]   wait until a visible window with this caption exists
//   wincmd close <caption>            post WM_CLOSE to it
//   wincmd click <caption> <x> <y>    click at client point (x, y) of it
//   wincmd dismiss [seconds]          close every message box (#32770) that shows up within the time
//   wincmd key <caption> <vk> [count] press a key (virtual-key code, decimal) in it count times
//   wincmd rclick <caption> <x> <y>   a real right click at client point (x, y); negative y is the title
//   wincmd front <caption>            bring it to the front and activate it
//   wincmd stranger <seconds>         another program's small active window at the screen's top-left
//   wincmd endmenu                    close the popup menu (#32768) that is open
//   wincmd menu <n> [seconds]         in the popup menu that shows up, choose item n (from 1) by keys
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND FindVisible(const wchar_t* caption) {
  HWND w = FindWindowW(nullptr, caption);
  return (w && IsWindowVisible(w)) ? w : nullptr;
}

HWND WaitFor(const wchar_t* caption, double seconds) {
  for (int i = 0; i < seconds * 20; ++i) {
    if (HWND w = FindVisible(caption)) return w;
    Sleep(50);
  }
  return nullptr;
}

void Click(HWND w, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  HWND target = ChildWindowFromPointEx(w, POINT{x, y}, CWP_SKIPINVISIBLE);
  if (!target) target = w;
  POINT pt{x, y};
  MapWindowPoints(w, target, &pt, 1);
  const LPARAM local = MAKELPARAM(pt.x, pt.y);
  (void)at;
  PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, local);
  PostMessageW(target, WM_LBUTTONUP, 0, local);
}

void PressKey(HWND w, WPARAM key, int count) {
  for (int i = 0; i < count; ++i) {
    PostMessageW(w, WM_KEYDOWN, key, 1);
    PostMessageW(w, WM_KEYUP, key, 0xC0000001);
  }
}

// Through the input queue, so the system turns it into frame messages as for a user.
void RightClick(HWND w, int x, int y) {
  POINT screen{x, y};
  ClientToScreen(w, &screen);
  SetCursorPos(screen.x, screen.y);
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  SendInput(2, input, sizeof(INPUT));
}

// A window of this process that takes the activation away from the program for a while.
void Stranger(double seconds) {
  HWND w = CreateWindowExW(0, L"STATIC", L"stranger", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 240, 120, nullptr,
                           nullptr, nullptr, nullptr);
  if (!w) return;
  SetForegroundWindow(w);
  const DWORD end = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  MSG msg;
  while (GetTickCount() < end) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(20);
  }
  DestroyWindow(w);
}

int Dismiss(double seconds) {
  int closed = 0;
  for (int i = 0; i < seconds * 20; ++i) {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (box && IsWindowVisible(box)) {
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      ++closed;
    }
    Sleep(50);
  }
  return closed;
}

// The keyboard's way through a menu: Down n times, then Enter, to the menu's own window.
bool ChooseMenuItem(int n, double seconds) {
  for (int i = 0; i < seconds * 20; ++i) {
    HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr);
    while (menu && !IsWindowVisible(menu)) menu = FindWindowExW(nullptr, menu, L"#32768", nullptr);
    if (menu) {
      for (int k = 0; k < n; ++k) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 1);
      PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 1);
      return true;
    }
    Sleep(50);
  }
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: wincmd wait|close|click|key|rclick|front|stranger|endmenu|dismiss|menu ...\n", stderr);
    return 2;
  }
  const std::wstring cmd = argv[1];
  if (cmd == L"wait" && argc >= 3) return WaitFor(argv[2], argc > 3 ? _wtof(argv[3]) : 20) ? 0 : 1;
  if (cmd == L"close" && argc >= 3) {
    HWND w = FindVisible(argv[2]);
    return (w && PostMessageW(w, WM_CLOSE, 0, 0)) ? 0 : 1;
  }
  if (cmd == L"click" && argc >= 5) {
    HWND w = FindVisible(argv[2]);
    if (!w) return 1;
    Click(w, _wtoi(argv[3]), _wtoi(argv[4]));
    return 0;
  }
  if (cmd == L"key" && argc >= 4) {
    HWND w = FindVisible(argv[2]);
    if (!w) return 1;
    PressKey(w, static_cast<WPARAM>(_wtoi(argv[3])), argc > 4 ? _wtoi(argv[4]) : 1);
    return 0;
  }
  if (cmd == L"rclick" && argc >= 5) {
    HWND w = FindVisible(argv[2]);
    if (!w) return 1;
    RightClick(w, _wtoi(argv[3]), _wtoi(argv[4]));
    return 0;
  }
  if (cmd == L"front" && argc >= 3) {
    HWND w = FindVisible(argv[2]);
    return (w && SetForegroundWindow(w)) ? 0 : 1;
  }
  if (cmd == L"stranger") {
    Stranger(argc > 2 ? _wtof(argv[2]) : 3);
    return 0;
  }
  if (cmd == L"endmenu") {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return (menu && IsWindowVisible(menu) && PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0)) ? 0 : 1;
  }
  if (cmd == L"menu" && argc >= 3) return ChooseMenuItem(_wtoi(argv[2]), argc > 3 ? _wtof(argv[3]) : 5) ? 0 : 1;
  if (cmd == L"dismiss") {
    Dismiss(argc > 2 ? _wtof(argv[2]) : 2);
    return 0;
  }
  std::fputs("wincmd: unknown command\n", stderr);
  return 2;
}
