#pragma once
// Dialogs of the system's dialog class made from an in-memory template: one static text
// of a given size in dialog units, and a disabled push button when asked for.
#include <windows.h>

#include <string>
#include <vector>

inline constexpr int kTemplateStaticId = 100;
inline constexpr int kTemplateButtonId = 101;

// A modeless, visible top-level dialog owned by owner.
HWND CreateTextDialog(HWND owner, const std::wstring& text, SIZE staticSize, bool disabledButton = false);
