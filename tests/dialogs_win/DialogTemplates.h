#pragma once
// Dialogs of the system's dialog class made from an in-memory template: one static text
// of a given size in dialog units.
#include <windows.h>

#include <string>
#include <vector>

inline constexpr int kTemplateStaticId = 100;

// A modeless, visible top-level dialog owned by owner.
HWND CreateTextDialog(HWND owner, const std::wstring& text, SIZE staticSize);
