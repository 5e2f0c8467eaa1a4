// mousecmd: puts the mouse pointer somewhere, as a user would, for screenshots.
//   mousecmd move <caption> <x> <y>   over client point (x, y) of the visible window with this caption
//   mousecmd away <caption>           just outside that window's bottom-right corner
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HWND FindVisible(const wchar_t* caption) {
  HWND w = FindWindowW(nullptr, caption);
  return (w && IsWindowVisible(w)) ? w : nullptr;
}

// The pointer goes there, and the window under it hears of the move at once.
void MoveTo(HWND w, POINT client) {
  POINT screen = client;
  ClientToScreen(w, &screen);
  SetCursorPos(screen.x, screen.y);
  HWND target = ChildWindowFromPointEx(w, client, CWP_SKIPINVISIBLE);
  if (!target) target = w;
  POINT local = client;
  MapWindowPoints(w, target, &local, 1);
  PostMessageW(target, WM_MOUSEMOVE, 0, MAKELPARAM(local.x, local.y));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring cmd = argc > 1 ? argv[1] : L"";
  HWND w = argc > 2 ? FindVisible(argv[2]) : nullptr;
  if (cmd == L"move" && argc >= 5 && w) {
    MoveTo(w, POINT{_wtoi(argv[3]), _wtoi(argv[4])});
    return 0;
  }
  if (cmd == L"away" && w) {
    RECT r;
    GetWindowRect(w, &r);
    SetCursorPos(r.right + 30, r.bottom + 30);
    PostMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(-1, -1));
    return 0;
  }
  std::fputs("usage: mousecmd move <caption> <x> <y> | away <caption>\n", stderr);
  return 2;
}
