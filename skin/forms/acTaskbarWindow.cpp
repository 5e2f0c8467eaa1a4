#include "skin/forms/acTaskbarWindow.h"

#include "skin/forms/logic/acTaskbarTarget.h"

HWND TaskbarWindow() { return FindWindowW(L"Shell_TrayWnd", nullptr); }

std::optional<TRect> TaskbarWindowRect() {
  HWND tray = TaskbarWindow();
  RECT r{};
  if (!tray || !GetWindowRect(tray, &r)) return std::nullopt;
  return TRect{r.left, r.top, r.right, r.bottom};
}

TRect TaskbarTargetRectOnScreen(const TRect& form) { return TaskbarTargetRect(TaskbarWindowRect(), form); }
