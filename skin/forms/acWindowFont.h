#pragma once
// The font a window draws its text with (WM_GETFONT, else the system's GUI font), as the
// skin's text painters take it.
#include <windows.h>

#include "skin/paint/acTextPainter.h"

TacFont WindowTextFont(HWND window);
