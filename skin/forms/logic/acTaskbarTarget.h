#pragma once
// Where a minimized form's picture flies to: three quarters of the form's size, centred
// on the taskbar. Looking up the form's own taskbar button would mean reading the shell's
// memory with a record layout of another bitness, so the centre of the taskbar is used.
#include <optional>

#include "pixels/Geometry.h"

// tray: the taskbar window's rectangle, none when there is no taskbar (then the empty
// rectangle, and the picture flies to the screen's top-left corner).
TRect TaskbarTargetRect(const std::optional<TRect>& tray, const TRect& form);
