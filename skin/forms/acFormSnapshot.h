#pragma once
// Pictures of a whole window for the animations: the window printed with its frame and
// every visible child into a picture of its size, and a cover window that shows what the
// window shows on the screen now, so the window can vanish underneath without a change.
#include <windows.h>

#include "pixels/PixelBuffer.h"

// The window and its visible children, each printed at its place; opaque. Empty when the
// window has no size.
PixelImage MakeFormSnapshot(HWND window);

// Fills cover (a layered animation window) with the window's current screen image and
// puts it topmost exactly over the window without activating it. False when the window
// has no size.
bool MakeCoverForm(HWND window, HWND cover);
