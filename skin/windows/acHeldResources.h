#pragma once
// Owners of the system resources the skin manager holds: a font registered from memory,
// a solid brush, a timer of the UI thread, and redrawing switched off for some forms.
#include <windows.h>

#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "skin/data/acManagerHost.h"

namespace marv {
class Form;
}

std::unique_ptr<TacHeldResource> HoldMemoryFont(std::span<const uint8_t> fontFile);
std::unique_ptr<TacHeldResource> HoldSolidBrush(COLORREF color);
std::unique_ptr<TacHeldResource> HoldTimer(UINT milliseconds, std::function<void()> tick);
// While held the forms do not redraw; afterwards each redraws once with all its children.
// Nested locks of a form leave it to the outermost one.
std::unique_ptr<TacHeldResource> HoldFormsUnpainted(const std::vector<marv::Form*>& forms);
