#pragma once
// The taskbar as the minimize flight sees it: its window's rectangle, and the target of a
// form's picture from it (logic/acTaskbarTarget.h).
#include <windows.h>

#include <optional>

#include "pixels/Geometry.h"

std::optional<TRect> TaskbarWindowRect();
TRect TaskbarTargetRectOnScreen(const TRect& form);
// The window the flight's picture is placed behind in z-order; null without a taskbar.
HWND TaskbarWindow();
